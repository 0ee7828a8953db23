// Our own player of the common records of Windows metafiles (WMF): window origin and extent,
// pens and brushes, lines, polylines, polygons, rectangles, rounded rectangles and ellipses.
// A layout keeps a metafile's bytes unchanged; this draws them. The bytes are untrusted: every
// record's size is checked against what is left and the object table is bounded.
#pragma once

#include <QByteArray>
#include <QRectF>

class QPainter;

class TWmfPlayer {
public:
    // Draws the metafile stretched over `target`; false (and nothing drawn) when the bytes are
    // not a metafile this player reads.
    static bool Play(const QByteArray& bytes, QPainter& painter, const QRectF& target);
};
