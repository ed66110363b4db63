// Loading and releasing the skin's images, icons and fonts.
#include "bar/config/skin.h"
#include "bar/actions/bar_menu.h"

void ReleaseSkin()
{
    DestroyBarMenu();
}
