// What a popup menu adds around its owner-drawn lines, so that a caller can keep a menu on the screen.
#pragma once

// The width, in pixels, that the system's popup menu window has beyond the widest
// width its owner-drawn items measured: the menu is that much wider than its items.
// Fixed for the life of a process (the screen density does not change under it).
int PopupMenuFrameWidth();
