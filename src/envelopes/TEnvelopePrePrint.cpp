#include "TEnvelopePrePrint.h"

#include "TEnvelopeFeed.h"
#include "TEnvelopeFeedPicture.h"
#include "TEnvelopeForm.h"

#include "help/THelp.h"
#include "output/TBaseReport.h"
#include "settings/TWindowPlacement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TEnvelopePrePrint::TEnvelopePrePrint(TBaseReport& job, TEnvelopeForm& form, QWidget* parent)
    : QDialog(parent), Job(job), Form(form), FeedSettings(form.FeedSettings())
{
    setWindowTitle(QStringLiteral("Envelope Print"));
    PrinterSetupDialog = [this](QWidget* owner) { return Job.PrinterSetup(owner); };
    FeedDialog = &TEnvelopeFeed::Edit;

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    PrinterLabel = new QLabel(this);
    SourceLabel = new QLabel(this);
    PaperLabel = new QLabel(this);
    OrientationLabel = new QLabel(this);
    fields->addRow(QStringLiteral("Printer:"), PrinterLabel);
    fields->addRow(QStringLiteral("Source:"), SourceLabel);
    fields->addRow(QStringLiteral("Paper:"), PaperLabel);
    fields->addRow(QStringLiteral("Orientation:"), OrientationLabel);
    layout->addLayout(fields);

    auto* feedGroup = new QGroupBox(QStringLiteral("Paper Feed"), this);
    auto* feedRow = new QHBoxLayout(feedGroup);
    Picture = new TEnvelopeFeedPicture(feedGroup);
    FeedLabel = new QLabel(feedGroup);
    feedRow->addWidget(Picture);
    feedRow->addWidget(FeedLabel, 1);
    layout->addWidget(feedGroup);

    WarningLabel = new QLabel(QString::fromLatin1(TEnvelopePlacement::MismatchWarning).replace(QLatin1String("\r\n"), QLatin1String("\n")), this);
    WarningLabel->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    WarningLabel->setWordWrap(true);
    layout->addWidget(WarningLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton* setup = buttons->addButton(QStringLiteral("Printer Setup"), QDialogButtonBox::ActionRole);
    QPushButton* feedButton = buttons->addButton(QStringLiteral("Paper Feed Method"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Form.SetFeed(FeedSettings);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { THelp::ShowPageOf(this); });
    connect(setup, &QPushButton::clicked, this, &TEnvelopePrePrint::PrinterSetupButtonClick);
    connect(feedButton, &QPushButton::clicked, this, &TEnvelopePrePrint::PaperFeedButtonClick);
    RefreshDisplay();
}

void TEnvelopePrePrint::RefreshDisplay()
{
    const int index = Job.PrinterIndex();
    PrinterLabel->setText(index >= 0 ? Job.PrinterNames().value(index) : QString());
    SourceLabel->setText(Job.PaperSource());
    PaperLabel->setText(Job.PaperName());
    OrientationLabel->setText(Job.Orientation() == TOrientation::poLandscape ? QStringLiteral("Landscape")
                                                                              : QStringLiteral("Portrait"));
    FeedLabel->setText(FeedSettings.Description().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    Picture->SetFeed(FeedSettings);
    WarningLabel->setVisible(Form.PageMismatch(Job));
}

void TEnvelopePrePrint::PrinterSetupButtonClick()
{
    PrinterSetupDialog(this);
    RefreshDisplay();
}

void TEnvelopePrePrint::PaperFeedButtonClick()
{
    if (const auto feed = FeedDialog(FeedSettings, this)) {
        FeedSettings = *feed;
        Job.SetOrientation(FeedSettings.PageOrientation());
    }
    RefreshDisplay();
}

bool TEnvelopePrePrint::WarningShown() const { return !WarningLabel->isHidden(); }

QString TEnvelopePrePrint::FeedDescription() const { return FeedLabel->text(); }

QString TEnvelopePrePrint::Field(const QString& caption) const
{
    if (caption == QLatin1String("Printer:"))
        return PrinterLabel->text();
    if (caption == QLatin1String("Source:"))
        return SourceLabel->text();
    if (caption == QLatin1String("Paper:"))
        return PaperLabel->text();
    return OrientationLabel->text();
}

bool TEnvelopePrePrint::Confirm(TBaseReport& job, TEnvelopeForm& form, QWidget* parent)
{
    TEnvelopePrePrint dialog(job, form, parent);
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    return dialog.exec() == QDialog::Accepted;
}
