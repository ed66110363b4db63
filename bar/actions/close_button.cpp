// Close or OK for the foreground application.
#include "bar/actions/close_button.h"

bool UpdateCloseButtonState()
{
    return false;
}
