// The bar's appearance: the one load sequence and its release, for the window's creation and every reload.
#pragma once

// Loads config.ini (writing missing defaults), the skin, its fonts, the button
// order, sizes and visibility, then chooses the paired buttons and takes the
// foreground window. Leaves everything ready for painting.
void LoadAppearance();

// Deletes what the last load created and the bar menu; safe when nothing is loaded.
void ReleaseAppearance();

// The release and a new load, under one hold of the INI files' lock. When the lock
// cannot be had (its holder hung, and the files may be half-written) nothing is
// released or read: the bar keeps what it wears, and false is returned.
bool ReplaceAppearance();
