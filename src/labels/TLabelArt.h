// The pictures of the pre-printed sheet designs a stock may name in ART (for example AV5196):
// monochrome line drawings shipped inside the program. The design surface shows one in silver
// on white behind the layout; it is never printed.
#pragma once

#include <QImage>
#include <QString>

class TLabelArt {
public:
    // The picture named by `artName` (any case, blanks trimmed); a null image for an empty or
    // unknown name.
    static QImage Picture(const QString& artName);
    // The picture in silver on white, scaled to `size`; a null image when there is none.
    static QImage Backdrop(const QString& artName, const QSize& size);
};
