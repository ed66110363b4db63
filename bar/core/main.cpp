// Velkis entry point.
#include <windows.h>
#include "bar/core/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand)
{
    return StartBar(instance, previous, commandLine, showCommand);
}
