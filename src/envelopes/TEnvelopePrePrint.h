// "Envelope Print": the confirmation before every run. Shows the printer, paper source, paper
// and orientation the job will use, the feed picture and its description, and the warning when
// the page differs from the envelope by more than an inch. "Printer Setup" and "Paper Feed
// Method" change them and refresh the dialog; Ok takes the feed back into the run.
#pragma once

#include "TEnvelopeFeedSettings.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class TBaseReport;
class TEnvelopeFeedPicture;
class TEnvelopeForm;

class TEnvelopePrePrint : public QDialog {
    Q_OBJECT
public:
    TEnvelopePrePrint(TBaseReport& job, TEnvelopeForm& form, QWidget* parent = nullptr);
    // Shows the dialog centred over `parent`; true on Ok (the feed is then the form's).
    static bool Confirm(TBaseReport& job, TEnvelopeForm& form, QWidget* parent);

    // The dialogs behind the two buttons (tests replace them).
    std::function<bool(QWidget*)> PrinterSetupDialog;
    std::function<std::optional<TEnvelopeFeedSettings>(const TEnvelopeFeedSettings&, QWidget*)> FeedDialog;

    void RefreshDisplay();
    void PrinterSetupButtonClick();
    void PaperFeedButtonClick();
    bool WarningShown() const;
    QString Field(const QString& caption) const;
    QString FeedDescription() const;
    const TEnvelopeFeedSettings& Feed() const { return FeedSettings; }

private:
    TBaseReport& Job;
    TEnvelopeForm& Form;
    TEnvelopeFeedSettings FeedSettings;
    QLabel *PrinterLabel, *SourceLabel, *PaperLabel, *OrientationLabel, *FeedLabel, *WarningLabel;
    TEnvelopeFeedPicture* Picture;
};
