#pragma once

#include "core/device/WaitClock.h"
#include "core/host/HostInput.h"
#include "core/macro/MacroRecord.h"

namespace z3 {

// Plays a macro as synthetic input: repeated `repeatCount` times when its
// repeat flag is set (0 plays nothing), else once. Each step presses or
// releases its key or mouse button (codes 240 left, 241 right, any other of
// 240 and above middle; other actions send nothing), then waits its pause.
//
// Pauses are measured from the start of the playback (absolute deadlines on
// the steady clock), so the time spent injecting and any oversleep of one
// pause do not add up over a long macro. Returns false when a wait was
// interrupted; keys and buttons the macro still holds are then released, so
// nothing stays pressed.
bool playMacro(const MacroRecord& record, HostInput& input, WaitClock& clock);

} // namespace z3
