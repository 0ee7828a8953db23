// The feed picture of the confirmation and feed dialogs: a page with the envelope on it as the
// user feeds it. The envelope shows its front (facing up) or back (facing down), upright
// (portrait), turned right (landscape) or turned left (landscape, clockwise), 2 pixels from the
// top at the left, the right (page width - envelope width - 2) or the centre of the page. The
// pictures are drawn by the system itself.
#pragma once

#include "TEnvelopeFeedSettings.h"

#include <QImage>
#include <QWidget>

class TEnvelopeFeedPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int PageWidth = 96;
    static constexpr int PageHeight = 124;

    explicit TEnvelopeFeedPicture(QWidget* parent = nullptr);
    void SetFeed(const TEnvelopeFeedSettings& feed);
    const TEnvelopeFeedSettings& Feed() const { return Settings; }
    // The envelope's rectangle on the page for these settings.
    static QRect EnvelopeRect(const TEnvelopeFeedSettings& feed);
    static QImage Render(const TEnvelopeFeedSettings& feed);
    QSize sizeHint() const override { return {PageWidth, PageHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TEnvelopeFeedSettings Settings;
};
