// Screen pixels per inch, one injectable value: layouts, placement sections and the preview
// all convert with it. Defaults to the primary screen's logical DPI; tests fix it at 96.
#pragma once

class TScreenMetrics {
public:
    static int PixelsPerInch();
    static void SetPixelsPerInch(int pixelsPerInch); // 0 returns to the screen's value
};
