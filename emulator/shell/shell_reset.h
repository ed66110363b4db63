// Soft reset of the emulated handheld.
#pragma once

namespace emu {

// Ends every other device process, starts a new shell (which waits for this one
// to end and then runs the start-up folder) and ends this shell.
void ResetDevice();

} // namespace emu
