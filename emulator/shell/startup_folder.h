// Starts the shortcuts of the device's start-up folder, as a booting handheld does.
#pragma once

namespace emu {

// Starts every .lnk of \Windows\StartUp, text "NN#\"target\" arguments" (the device
// root as current folder). Returns how many started.
int RunStartUpFolder();

} // namespace emu
