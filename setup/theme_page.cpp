// The My Theme page over its three layouts.
#include "setup/theme_page.h"
#include "resources/tormalin_res.h"

CChangeTheme::CChangeTheme(HINSTANCE module)
    : CSetupPage(module, {IDD_THEME, IDD_THEME_LAND, IDD_THEME_SQUARE}, L"Change Theme")
{
}
