#include "TQuickTips.h"

namespace {
struct TTopicTips {
    const char* Topic;
    QStringList Tips;
};

const QList<TTopicTips>& TopicTips()
{
    static const QList<TTopicTips> tips = {
        {"Main Window", {
            "Press <b>Add</b>, type the record and press <b>Ctrl+Enter</b> to save it. <b>Alt+Enter</b> saves and starts the next one.",
            "<b>Enter</b> moves to the next field. Fields you never use can be skipped: <i>File, Preferences</i>, \"Skip through the following fields\".",
            "<b>Ctrl+Left</b> and <b>Ctrl+Right</b> step through the records; <b>Ctrl+Up</b> and <b>Ctrl+Down</b> jump to the first and last.",
            "The <b>Sort</b> menu changes the order; <b>Search</b> (Ctrl+S) finds a record by the first letters in that order.",
            "<b>Dial Phone 1</b> and <b>Dial Phone 2</b> dial the record's numbers through a modem or the telephony service.",
        }},
        {"Filters", {
            "A filter entry that begins with <b>$</b> finds the text anywhere in the field: <tt>$smith</tt>.",
            "Use <b>;</b> for either of two values (<tt>NY;NJ</tt>) and <b>+</b> for both.",
            "<b>Test</b> counts the matches before you keep the filter; a filter that matches nothing is not kept.",
            "<b>File, Save Filter</b> keeps a filter in a file, <b>Restore Filter</b> brings it back.",
        }},
        {"Printing", {
            "Every printout can be previewed first; the preview shows the pages exactly as they print.",
            "Choose <b>PDF file</b> as the printer to write any printout to a PDF document.",
            "\"Start from current record\" prints from the record on screen to the end of the list.",
        }},
        {"Label Designer", {
            "Drag a field from the field list onto the label; it shows the current record's value.",
            "Hold <b>Shift</b> and click to select several objects, then align them with the toolbar.",
            "An address block prints the name and address lines and closes up the empty ones.",
            "Lock an object to keep it from moving while you arrange the others.",
        }},
        {"Envelope Designer", {
            "Keep the delivery address inside the shaded postal zone so the barcode can be read.",
            "Add a POSTNET barcode above the address; it takes the ZIP code from the record.",
            "<b>Paper Feed Method</b> tells the program how your printer takes envelopes; set it once per printer.",
        }},
        {"Report Designer", {
            "The detail band prints once per record; the header and footer print on every page.",
            "The memo band prints each record's memo below its detail line.",
            "Outline or shade a band from <b>Report Layout</b> to draw lines between records.",
        }},
        {"Letter Designer", {
            "Insert a merge field to put the record's value into the letter, like <tt>[FNAME]</tt>.",
            "Check the spelling before printing: the letter is checked against the main and your own dictionary.",
            "The preview steps through the records so you can read each merged letter.",
        }},
    };
    return tips;
}
} // namespace

QStringList TQuickTips::Topics()
{
    QStringList topics;
    for (const TTopicTips& t : TopicTips())
        topics << QString::fromLatin1(t.Topic);
    return topics;
}

const QList<TQuickTip>& TQuickTips::All()
{
    static const QList<TQuickTip> all = [] {
        QList<TQuickTip> pages;
        for (const TTopicTips& t : TopicTips())
            for (const QString& tip : t.Tips)
                pages.append({QString::fromLatin1(t.Topic), tip});
        return pages;
    }();
    return all;
}

int TQuickTips::FirstPageOf(const QString& topic)
{
    const QList<TQuickTip>& pages = All();
    for (int i = 0; i < pages.size(); ++i)
        if (pages[i].Topic.compare(topic, Qt::CaseInsensitive) == 0)
            return i;
    return 0;
}
