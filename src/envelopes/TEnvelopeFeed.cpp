#include "TEnvelopeFeed.h"

#include "TEnvelopeFeedPicture.h"

#include "help/THelp.h"
#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* Group(const QString& title, std::initializer_list<QWidget*> buttons, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* button : buttons)
        layout->addWidget(button);
    return group;
}

} // namespace

TEnvelopeFeed::TEnvelopeFeed(const TEnvelopeFeedSettings& feed, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Paper Feed Method"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please indicate how you normally feed envelopes into your printer:"), this));
    auto* note = new QLabel(QStringLiteral("(note: there are many printers and many ways to feed envelopes - this may take "
                                           "some experimenting)"), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    Left = new QRadioButton(QStringLiteral("&Left"), this);
    Right = new QRadioButton(QStringLiteral("&Right"), this);
    Center = new QRadioButton(QStringLiteral("&Center"), this);
    Portrait = new QRadioButton(QStringLiteral("&Portrait"), this);
    Landscape = new QRadioButton(QStringLiteral("&Landscape"), this);
    Up = new QRadioButton(QStringLiteral("&Up"), this);
    Down = new QRadioButton(QStringLiteral("&Down"), this);
    Clockwise = new QCheckBox(QStringLiteral("Clock&wise Rotation"), this);
    FeedPicture = new TEnvelopeFeedPicture(this);

    auto* row = new QHBoxLayout;
    row->addWidget(Group(QStringLiteral("Position"), {Left, Right, Center}, this));
    row->addWidget(Group(QStringLiteral("Orientation"), {Portrait, Landscape, Clockwise}, this));
    row->addWidget(Group(QStringLiteral("Facing"), {Up, Down}, this));
    row->addWidget(FeedPicture, 0, Qt::AlignTop);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { THelp::ShowPageOf(this); });

    (feed.Position == TFeedPosition::fpLeft ? Left : feed.Position == TFeedPosition::fpRight ? Right : Center)->setChecked(true);
    (feed.Orientation == TFeedOrientation::foPortrait ? Portrait : Landscape)->setChecked(true);
    (feed.Facing == TFeedFacing::ffUp ? Up : Down)->setChecked(true);
    Clockwise->setChecked(feed.ClockWiseRotation);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{Left, Right, Center, Portrait, Landscape, Up, Down, Clockwise})
        connect(button, &QAbstractButton::toggled, this, &TEnvelopeFeed::FeedChanged);
    FeedChanged();
}

TEnvelopeFeedSettings TEnvelopeFeed::Settings() const
{
    TEnvelopeFeedSettings feed;
    feed.Position = Left->isChecked() ? TFeedPosition::fpLeft : Right->isChecked() ? TFeedPosition::fpRight : TFeedPosition::fpCenter;
    feed.Orientation = Portrait->isChecked() ? TFeedOrientation::foPortrait : TFeedOrientation::foLandscape;
    feed.Facing = Up->isChecked() ? TFeedFacing::ffUp : TFeedFacing::ffDown;
    // A portrait feed is never rotated, whatever the hidden box still holds.
    feed.ClockWiseRotation = Landscape->isChecked() && Clockwise->isChecked();
    return feed;
}

void TEnvelopeFeed::FeedChanged()
{
    Clockwise->setVisible(Landscape->isChecked());
    FeedPicture->SetFeed(Settings());
}

std::optional<TEnvelopeFeedSettings> TEnvelopeFeed::Edit(const TEnvelopeFeedSettings& feed, QWidget* parent)
{
    TEnvelopeFeed dialog(feed, parent);
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Settings();
}
