#include "TScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
int fixedPixelsPerInch = 0;
}

int TScreenMetrics::PixelsPerInch()
{
    if (fixedPixelsPerInch > 0)
        return fixedPixelsPerInch;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return static_cast<int>(std::lround(screen->logicalDotsPerInch()));
    return 96;
}

void TScreenMetrics::SetPixelsPerInch(int pixelsPerInch) { fixedPixelsPerInch = pixelsPerInch; }
