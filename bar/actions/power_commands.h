// The menu's fixed commands: display, power key, reset, setup program and exit.
#pragma once

// Switches the display panel off through the driver's power escape; a driver
// without it gets the one message box the bar ever shows.
void TurnOffScreen();
// The power key, as if the user pressed it.
void SuspendDevice();
// Flushes the registry and resets the device at once, without asking.
void RestartDevice();
// Starts Tormalin.exe from the program folder; a missing program does nothing.
void OpenSetupProgram();
// Closes the bar window, which ends the program.
void ExitBar();
