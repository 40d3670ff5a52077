#!/usr/bin/env bash
# The recording keyboard grab on a real X server: while capturing no other
# client can take the keyboard, keys typed with XTest reach the capture only,
# and the grab ends on release, with the window and with the capture object.
source "$(dirname "$0")/lib.sh"
start_xvfb
trap stop_xvfb EXIT

output=$(QT_QPA_PLATFORM=xcb "$Z3_BUILD/tests/qt_tests" --gtest_filter='KeyboardCaptureX11Test.*' 2>&1) \
  || { echo "$output"; fail "keyboard capture tests failed"; }
echo "$output" | grep -q 'PASSED  \] 3 tests' || { echo "$output"; fail "the tests did not all run under Xvfb"; }
echo "$output" | tail -n 3
