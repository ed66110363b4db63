#include "bar/core/startup.h"

int StartBar(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    return 0;
}
