#include "THelpPages.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {
// Window class → page. Windows of features still to come are listed too, so their F1 works
// the day they land.
const QHash<QString, QString>& PagesByClass()
{
    static const QHash<QString, QString> pages = {
        {"TAddressMain", "main-window.html"},
        {"TAddressBrowseForm", "browse.html"},
        {"TAddressFilterForm", "filter.html"},
        {"TSearchForm", "search.html"},
        {"TSearchingWindow", "memo-search.html"},
        {"TNewRecordForm", "new-record.html"},
        {"TCopyRecordForm", "copy-record.html"},
        {"TCopyToClipBoard", "copy-record.html"},
        {"TGettingStartedForm", "getting-started.html"},
        {"TPreferencesForm", "preferences.html"},
        {"TDateForm", "date.html"},
        {"TDeleteRecordsForm", "delete-records.html"},
        {"TTaggingForm", "tagging.html"},
        {"TRebuildForm", "rebuild-indexes.html"},
        {"TRebuildIndexesForm", "rebuild-indexes.html"},
        {"TRebuildSystemIndexesForm", "rebuild-indexes.html"},
        {"TNewDatabaseForm", "new-database.html"},
        {"TFieldLengthsForm", "field-lengths.html"},
        {"TConfigurationInfoForm", "configuration.html"},
        {"TPrintCurrentRecord", "print-record.html"},
        {"TPreviewForm", "preview.html"},
        {"TPrintStatusWindow", "print-status.html"},
        {"TQVDialer", "dial.html"},
        {"TfrmTAPICall", "call.html"},
        {"THelpWindow", "using-help.html"},
        {"TQuickTipsWindow", "quick-tips.html"},
        // labels
        {"TLabelSetupScreen", "labels.html"},
        {"TSelectSpecificLabels", "labels.html"},
        {"TChooseLabelLayout", "label-stocks.html"},
        {"TSelectLabel", "label-stocks.html"},
        {"TLabelEdit", "label-stocks.html"},
        {"TLabelDesignScreen", "label-design.html"},
        {"TLImageBrowser", "label-design.html"},
        // envelopes
        {"TQVEnvelopes", "envelopes.html"},
        {"TChooseEnvelopeLayout", "envelopes.html"},
        {"TEnvelopePrePrint", "envelopes.html"},
        {"TEnvelopeFeed", "envelope-feed.html"},
        {"TEnvelopeDesignScreen", "envelope-design.html"},
        // letters
        {"TqVLetters", "letters.html"},
        {"TLetterPrint", "letters.html"},
        {"TLetterDesign", "letter-design.html"},
        {"TSpellCheckDialog", "spell-check.html"},
        {"TRTFPreviewForm", "letters.html"},
        // reports
        {"TReportSetup", "reports.html"},
        {"TReportDesigner", "report-design.html"},
        {"TReportProperties", "report-design.html"},
        // tools and presort
        {"TDupCheck", "duplicates.html"},
        {"TStateZipCheck", "state-zip.html"},
        {"TConvertToUpper", "convert-case.html"},
        {"TCopyOut", "export.html"},
        {"TSearchAndReplace", "search-replace.html"},
        {"TCountZipCodes", "zip-count.html"},
        {"TZipReport", "zip-count.html"},
        {"TSortBulkMail", "presort.html"},
        // imports
        {"TAsciiMatch", "import-text.html"},
    };
    return pages;
}

// Titles of windows whose class names are not fixed yet.
const QHash<QString, QString>& PagesByTitle()
{
    static const QHash<QString, QString> pages = {
        {"ASCII File Import", "import-text.html"},
        {"ASCII File Import Match Fields", "import-text.html"},
        {"DBF File Import", "import-dbf.html"},
        {"Import Quorvane 1.x DBF", "import-older.html"},
        {"Import Quorvane 2.x DBF", "import-older.html"},
        {"Print Labels", "labels.html"},
        {"Print Envelope", "envelopes.html"},
        {"Print Letters", "letters.html"},
        {"Print Report", "reports.html"},
        {"Check and Repair Duplicates", "duplicates.html"},
        {"Convert Case", "convert-case.html"},
        {"Copy Records Out", "export.html"},
        {"Search and Replace", "search-replace.html"},
        {"Count Zip Codes", "zip-count.html"},
        {"Bulk Mail Presorting", "presort.html"},
    };
    return pages;
}

QString PlainText(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText(); }
} // namespace

QStringList THelpPages::Pages()
{
    return QDir(Folder()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString THelpPages::Html(const QString& page)
{
    QFile file(Folder() + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString THelpPages::Title(const QString& page)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(Html(page));
    return match.hasMatch() ? match.captured(1).simplified() : page;
}

QStringList THelpPages::Links(const QString& page)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList links;
    for (const QRegularExpressionMatch& match : href.globalMatch(Html(page)))
        links << match.captured(1);
    return links;
}

QStringList THelpPages::DeadLinks()
{
    const QStringList pages = Pages();
    QStringList dead;
    for (const QString& page : pages) {
        for (const QString& link : Links(page)) {
            const qsizetype hash = link.indexOf(QLatin1Char('#'));
            const QString target = hash < 0 ? link : link.left(hash);
            const QString anchor = hash < 0 ? QString() : link.mid(hash + 1);
            const QString targetPage = target.isEmpty() ? page : target;
            const bool pageFound = pages.contains(targetPage);
            const bool anchorFound = anchor.isEmpty()
                || Html(targetPage).contains(QStringLiteral("id=\"") + anchor + QLatin1Char('"'))
                || Html(targetPage).contains(QStringLiteral("name=\"") + anchor + QLatin1Char('"'));
            if (!pageFound || !anchorFound)
                dead << page + QStringLiteral(": ") + link;
        }
    }
    return dead;
}

QStringList THelpPages::Search(const QString& words)
{
    const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        return {};
    QStringList found;
    for (const QString& page : Pages()) {
        const QString text = PlainText(Html(page));
        if (std::all_of(wanted.begin(), wanted.end(), [&](const QString& w) { return text.contains(w, Qt::CaseInsensitive); }))
            found << page;
    }
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        return Title(a).compare(Title(b), Qt::CaseInsensitive) < 0;
    });
    return found;
}

QString THelpPages::PageForWindow(const QString& className, const QString& title)
{
    const QString byClass = PagesByClass().value(className);
    return byClass.isEmpty() ? PagesByTitle().value(title.trimmed()) : byClass;
}

QStringList THelpPages::KnownWindowClasses()
{
    QStringList classes = PagesByClass().keys();
    classes.sort();
    return classes;
}
