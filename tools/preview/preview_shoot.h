// One screen profile of the preview: the real bar on the emulated device wearing a skin, photographed.
#pragma once
#include <string>

// Installs the skin (its whole folder) on a fresh device, runs the bar and the
// sample applications, and writes into outDir the profile's parts: the bar as the
// run command shows it, the bar with an application and with the other button of
// each pair, the bar with each button held down, and the screen with each popup and
// the bar menu open. outDir\<profile>.txt lists them in order, one "file<TAB>label"
// a line; strips come first, then the screens. Returns false (and says why on
// stderr) when the device or the bar did not come up.
bool ShootProfile(const std::wstring& skinPath, const std::wstring& profile, const std::wstring& outDir);
