// Soft reset of the device (the reboot I/O control's role on the emulated handheld).
#pragma once

// Asks the device to reset: every device program ends, the shell restarts and runs
// the start-up folder. Returns false when there is no shell to ask. Returns at once.
bool RequestDeviceReset();
