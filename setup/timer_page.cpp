// The Timer page over its one template.
#include "setup/timer_page.h"
#include "resources/tormalin_res.h"

CSetTime::CSetTime(HINSTANCE module) : CSetupPage(module, {IDD_TIMER, IDD_TIMER, IDD_TIMER}, L"Set Time")
{
}
