// Tormalin entry point: the application object runs the sheet.
#include "setup/tormalin_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    CTormalinApp app(instance);
    app.InitInstance();
    return 0;
}
