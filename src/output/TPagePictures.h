// Pictures of finished pages: the one writer of page images, for the command line's
// --preview-png folders (labels, envelopes, reports, `layout render`) and the preview window's
// page images alike. A page is drawn by TPagePainter on white paper.
//
// A file's picture is antialiased and opaque; a screen picture draws as the preview window
// paints its page (no antialiasing) and carries the screen's resolution. Write names each file
// with the caller's rule and throws std::runtime_error ("cannot create the folder DIR",
// "cannot write FILE") when the folder or a file cannot be written. Pictures keep within
// TPageImageBound: a page too large is drawn at a lower resolution, and one too large even
// for that is refused with its size (a screen picture is then null).
#pragma once

#include <QImage>
#include <QString>

#include <functional>

class TDisplayList;
class TPageStream;

class TPagePictures {
public:
    static constexpr double FileDotsPerInch = 96.0;

    // `page` at `dotsPerInch`, for a file.
    static QImage FilePicture(const TDisplayList& page, double dotsPerInch = FileDotsPerInch);
    // `page` at `dotsPerInch` (the screen's resolution times the zoom), for the screen.
    static QImage ScreenPicture(const TDisplayList& page, double dotsPerInch, double screenDotsPerInch);

    // Pages `from`..`to` of `pages` as PNG files in `folder` (made when missing), the file of
    // page n named `name(n)`. The caller keeps from..to within the stream.
    static void Write(const TPageStream& pages, int from, int to, const QString& folder,
                      const std::function<QString(int)>& name, double dotsPerInch = FileDotsPerInch);
    // Every page of `pages`.
    static void WriteAll(const TPageStream& pages, const QString& folder, const std::function<QString(int)>& name,
                         double dotsPerInch = FileDotsPerInch);
};
