// The close/OK button's state for the foreground window.
#pragma once

// Re-evaluates the state; returns whether it changed.
bool UpdateCloseButtonState();
