// Loading config.ini and the skin into the bar's button table, fonts and paths.
#pragma once

// The whole load sequence; run at window creation and at every reload.
void LoadSettings();
