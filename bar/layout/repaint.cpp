// Repaint requests reach the bar window through its handle alone; nothing here knows how it paints.
#include "bar/layout/repaint.h"
#include "bar/layout/bar_layout.h"
#include "bar/layout/bar_state.h"

namespace {

bool ownRepaint = false;

void Invalidate()
{
    ownRepaint = true;
    InvalidateRect(barWindow, nullptr, FALSE);
}

} // namespace

void RepaintBarNow()
{
    if (!barWindow)
        return;
    Invalidate();
    UpdateWindow(barWindow);
}

void RelayoutAndRepaintNow()
{
    UpdateBarLayout();
    RepaintBarNow();
}

void RepaintAfterScreenChange()
{
    if (!barWindow)
        return;
    ownRepaint = false;   // also when one of ours is still pending: this one looks
    InvalidateRect(barWindow, nullptr, FALSE);
    UpdateWindow(barWindow);
}

void RequestRepaint()
{
    if (barWindow)
        Invalidate();
}

bool TakeOwnRepaint()
{
    bool own = ownRepaint;
    ownRepaint = false;
    return own;
}
