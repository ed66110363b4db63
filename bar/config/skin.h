// The skin's objects: loading them from a skin file and releasing them.
#pragma once

// Deletes everything the last load created; safe to call when nothing is loaded.
void ReleaseSkin();
