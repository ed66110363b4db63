// The preview's contact sheet: the parts of every photographed profile on one PNG.
#pragma once
#include <string>

// Composes outDir's parts, profile by profile in the order portrait, landscape,
// square, hires (those photographed), into sheetPath: a heading per profile, the bar
// strips one under another with their labels, then the screens with popups and menu
// side by side. Also writes sheetPath + ".txt": one "profile/label<TAB>x<TAB>y<TAB>
// width<TAB>height" line per part placed. False when nothing could be composed or written.
bool ComposeSheet(const std::wstring& outDir, const std::wstring& sheetPath);
