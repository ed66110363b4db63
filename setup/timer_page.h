// The Timer page: the clock's pattern, separator, font, size and colour.
#pragma once
#include "setup/setup_page.h"

class CSetTime : public CSetupPage {
public:
    explicit CSetTime(HINSTANCE module);
    // Nothing of the page is stored yet: the loaded values go back unchanged.
    bool StorePage() override { return true; }
};
