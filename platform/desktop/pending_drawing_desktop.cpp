// Desktop Win32: the calls GDI holds back in its batch are drawn now.
#include "platform/pending_drawing.h"
#include <windows.h>

void FinishPendingDrawing()
{
    GdiFlush();
}
