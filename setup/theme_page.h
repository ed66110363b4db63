// The My Theme page: the skins to choose from and the active one.
#pragma once
#include "setup/setup_page.h"

class CChangeTheme : public CSetupPage {
public:
    explicit CChangeTheme(HINSTANCE module);
    // Nothing of the page is stored yet: the theme file stays as loaded.
    bool StorePage() override { return true; }
};
