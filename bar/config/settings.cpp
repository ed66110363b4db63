// The bar's load sequence.
#include "bar/config/settings.h"
#include "bar/core/bar_state.h"
#include "bar/actions/close_button.h"
#include "bar/status/indicators.h"

void LoadSettings()
{
    RefreshStatusIndicators();
    lastForegroundWindow = GetForegroundWindow();
    UpdateCloseButtonState();
}
