// Finishing what GDI has been asked to draw, before its pixels are read or written directly.
//
// The desktop's GDI may hold drawing calls back in a batch (GdiFlush ends it). The
// handheld's GDI draws each call at once, so there this is nothing.
#pragma once

void FinishPendingDrawing();
