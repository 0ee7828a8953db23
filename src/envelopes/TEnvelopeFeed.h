// "Paper Feed Method": how the user feeds envelopes: position, orientation, facing and, with
// Landscape, "Clock&wise Rotation". The picture is drawn again on every change.
#pragma once

#include "TEnvelopeFeedSettings.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QRadioButton;
class TEnvelopeFeedPicture;

class TEnvelopeFeed : public QDialog {
    Q_OBJECT
public:
    explicit TEnvelopeFeed(const TEnvelopeFeedSettings& feed, QWidget* parent = nullptr);
    // Shows the dialog centred over `parent` on `feed`; the new settings on Ok.
    static std::optional<TEnvelopeFeedSettings> Edit(const TEnvelopeFeedSettings& feed, QWidget* parent);

    TEnvelopeFeedSettings Settings() const;
    TEnvelopeFeedPicture* Picture() const { return FeedPicture; }
    QRadioButton* LeftButton() const { return Left; }
    QRadioButton* RightButton() const { return Right; }
    QRadioButton* CenterButton() const { return Center; }
    QRadioButton* PortraitButton() const { return Portrait; }
    QRadioButton* LandscapeButton() const { return Landscape; }
    QRadioButton* UpButton() const { return Up; }
    QRadioButton* DownButton() const { return Down; }
    QCheckBox* ClockwiseBox() const { return Clockwise; }

private:
    void FeedChanged();

    QRadioButton *Left, *Right, *Center, *Portrait, *Landscape, *Up, *Down;
    QCheckBox* Clockwise;
    TEnvelopeFeedPicture* FeedPicture;
};
