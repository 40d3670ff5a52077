#!/usr/bin/env bash
# core stays portable and toolkit-free: no Qt, OS or platform headers, and the
# library links nothing but the standard library and threads.
set -euo pipefail
root=${Z3_SOURCE:?}
build=${Z3_BUILD:?}
bad=$(grep -rnE '#\s*include\s*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/|unistd\.h|fcntl\.h|sys/|linux/|X11/|windows\.h|hidapi|libudev|poll\.h|pthread\.h|dlfcn\.h|platform/|ui/)' \
      "$root/src/core" || true)
if [ -n "$bad" ]; then
  echo "core includes platform or toolkit headers:"; echo "$bad"; exit 1
fi
# What the build actually compiles core with: no Qt include folder.
if grep 'z3core.dir' "$build/compile_commands.json" | grep -qi 'qt6'; then
  echo "core is compiled with Qt on its include path"; exit 1
fi
echo "core layering: ok"
