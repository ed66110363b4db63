// How the code below the bar window asks it to show a change: the one way up to the paint.
#pragma once

// Paints the bar before returning (what it shows changed, not where things stand).
void RepaintBarNow();

// Where things stand changed too (a button shown or hidden, another signal level):
// lays the bar out again, then paints it before returning.
void RelayoutAndRepaintNow();

// The screen may have turned: paints the bar before returning as a paint the system
// asked for, which looks at the screen's size (the bar's own repaints do not).
void RepaintAfterScreenChange();

// Paints the bar in the normal course of messages.
void RequestRepaint();

// For the paint: whether it was asked for through the calls above (else the system
// asked, after the screen changed for example); clears the mark.
bool TakeOwnRepaint();
