// Start-up of the bar: single instance, process-wide facts, the bar window.
#pragma once
#include <windows.h>

int StartBar(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);
