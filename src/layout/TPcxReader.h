// Our own reader of PCX pictures: 1-bit monochrome, 4-bit (four planes of one bit, EGA
// palette), 8-bit with the 256-colour palette at the end, and 24-bit (three planes of 8 bits),
// run-length encoded or plain. The bytes are untrusted: sizes are checked against the data and
// against the picture limit before anything is allocated.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class TPcxReader {
public:
    // A null image and `error` set when the bytes are not a PCX picture we can read.
    static QImage Read(const QByteArray& bytes, QString* error = nullptr, qint64 maxPixels = 64LL * 1024 * 1024);
};
