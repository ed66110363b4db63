// preview.exe: the skin preview's device runs, contact sheet and check.
//   preview shoot SKIN-FILE PROFILE OUT-DIR      one profile's parts, on the current screen
//   preview sheet OUT-DIR SHEET.png              every photographed profile on one sheet
//   preview check SHEET.png PROFILE SCREENSHOT   the sheet against the run command's screenshot
#include <cstdio>
#include <string>
#include "tools/preview/preview_compare.h"
#include "tools/preview/preview_sheet.h"
#include "tools/preview/preview_shoot.h"

int wmain(int argc, wchar_t** argv)
{
    std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"shoot" && argc == 5)
        return ShootProfile(argv[2], argv[3], argv[4]) ? 0 : 1;
    if (command == L"sheet" && argc == 4)
        return ComposeSheet(argv[2], argv[3]) ? 0 : 1;
    if (command == L"check" && argc == 5)
        return SheetMatchesScreenshot(argv[2], argv[3], argv[4]) ? 0 : 1;
    fprintf(stderr, "usage: preview shoot SKIN PROFILE OUT-DIR | sheet OUT-DIR SHEET.png | check SHEET.png PROFILE SCREENSHOT\n");
    return 2;
}
