// Whether the device has a usable cellular telephone line.
#pragma once

bool DetectCellularLine();
