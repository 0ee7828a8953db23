#include "TWhatsThisTexts.h"

#include <QHash>
#include <QStringList>

namespace {
using TTexts = QHash<QString, QString>;

const QHash<QString, TTexts>& AllTexts()
{
    static const QHash<QString, TTexts> texts = {
        {"TQVDialer", {
            {"Number to Dial", "The telephone number to dial, taken from the record. You may change it here; it is dialled exactly as you see it."},
            {"Prefix", "Digits dialled before every number, for example 9, to get an outside line. A comma makes the modem pause for about two seconds."},
            {"Use TAPI to dial", "Dial through the computer's telephony service (a voice modem or phone managed by the system). Leave it off to send the number straight to a modem on a serial port."},
            {"Modem Initialization String", "Commands sent to the modem before dialling, such as &F to restore its factory settings. \"AT\" is added in front when you leave it out. Leave the field empty when unsure."},
            {"Port", "The serial port the modem is connected to. COM 1 to COM 4 are the computer's built-in ports; USB modems show up with their device name."},
            {"Tone", "Dial with touch tones. Almost every line today uses tone dialling."},
            {"Pulse", "Dial with pulses, for old rotary-dial exchanges."},
            {"Dial", "Dial the number now. When the modem has dialled, pick up your telephone handset and talk."},
            {"Cancel", "Close this window without dialling."},
            {"Help", "Open the help page about dialling."},
            {"Dial with the desktop's telephone application", "Hand the number to the telephone application of your desktop (a softphone or a phone linked to your computer), if one is installed."},
        }},
        {"TfrmTAPICall", {
            {"Number to call", "The number being called. You can change it and press Call again after the line is free."},
            {"Call", "Start the call to the number above."},
            {"Hangup", "End the call. The status list shows when the line is free again."},
            {"Close", "Close this window. A call still in progress is ended."},
        }},
        {"TPreferencesForm", {
            {"Enter today's date in the date field", "When you add a record, fill its date with today's date."},
            {"Automatically insert city and state/province", "When you type a ZIP code into a new record, fill in the city and state that belong to it."},
            {"Automatically check for duplicate names", "When you add a record, warn when a record with the same first and last name exists already."},
            {"Default Country Name", "The country written into every new record. Leave it empty when most of your addresses are domestic."},
            {"Carry forward the following fields:", "The fields ticked here are copied from the record you were on into each new record, handy when you type many addresses from one place."},
            {"Skip through the following fields:", "The fields ticked here are passed over when you press Enter to go to the next field."},
            {"Aggressive Saving Level", "How often the address file is closed and reopened while you work, so that everything is on the disk even if the computer fails."},
            {"Printing", "Choices for printing, such as offering printing to a PDF file."},
            {"Show the splash window at start up", "Show the window with the program's name and version while the program starts."},
        }},
        {"TAddressFilterForm", {
            {"Test", "Apply what you typed and count the records it matches, without closing the window."},
            {"Clear", "Empty every entry, so that no filter is set."},
            {"Ok", "Keep the filter and close the window. A filter that matches nothing keeps the window open."},
            {"Cancel", "Close the window and put back the filter you had before."},
            {"Tagged", "Keep only the records you have tagged."},
            {"Reverse", "Show the records the filter does not match instead of those it matches."},
        }},
        {"TDeleteRecordsForm", {
            {"Delete All Records", "Delete every record of the address file. This cannot be undone."},
            {"Delete Records matching current Filter", "Delete only the records the current filter shows."},
            {"Delete Now", "Delete the chosen records now."},
            {"Cancel", "Close the window without deleting anything."},
        }},
        {"TDateForm", {
            {"Ok", "Put the chosen date into the record."},
            {"No Date", "Clear the record's date."},
            {"Cancel", "Close the calendar and leave the date as it was."},
        }},
        {"TSearchForm", {
            {"Search Order", "The order whose first letters you type. The record found is the first one that begins with what you typed."},
        }},
        {"TNewDatabaseForm", {
            {"Enter the database name (no extension)", "The name of the new address file, without .DBF. The proposal is the next free ADD name."},
            {"Ok [PgDn]", "Create the new address file and open it."},
            {"Cancel", "Close the window without creating a file."},
            {"Specify Field Lengths", "Choose how many characters each field of the new file holds."},
        }},
        {"TFieldLengthsForm", {
            {"Use these settings for all new databases", "Remember these widths and propose them for every new address file."},
            {"Ok", "Use these widths for the new address file."},
            {"Cancel", "Close the window and keep the widths as they were."},
            {"Defaults", "Fill every entry with the standard width."},
            {"Help", "Open the help page about field lengths."},
        }},
        {"TNewRecordForm", {
            {"Last Name", "The new person's last name; it is checked against the records you have, so a person is not entered twice."},
            {"First Name", "The new person's first name, checked together with the last name."},
            {"Zip Code or Postal Code", "The new record's ZIP or postal code; city and state are filled in from it when the program knows it."},
            {"Ok [PgDn]", "Start the new record with these values."},
            {"Cancel", "Do not add a record."},
        }},
        {"TCopyRecordForm", {
            {"Name, Organization, Title", "Copy the name with the title and organization."},
            {"Address", "Copy the street, city, state, ZIP and country lines."},
            {"Phone Numbers", "Copy both phone numbers, the fax and the e-mail address."},
            {"Codes", "Copy the record's codes."},
            {"Comments 1 & 2", "Copy the two comment fields."},
            {"Ok", "Put the ticked parts on the clipboard, ready to paste."},
            {"Cancel", "Copy nothing."},
        }},
        {"TPrintCurrentRecord", {
            {"Fields to print", "Tick the fields that appear on the printed page."},
            {"All", "Tick or clear every field at once."},
            {"Print", "Print the record on the current printer."},
            {"Preview", "Show the page on screen first."},
            {"Printer Setup", "Choose the printer and its settings."},
            {"Cancel", "Close without printing."},
        }},
        {"TConfigurationInfoForm", {
            {"Copy to Clipboard", "Copy the whole report, ready to paste into a message to technical support."},
            {"Save As...", "Save the report as a text file."},
            {"OK", "Close the report."},
        }},
        {"TQuickTipsWindow", {
            {"Back", "Show the previous tip."},
            {"Next", "Show the next tip."},
            {"Close", "Close the tips."},
        }},
        {"THelpWindow", {
            {"Back", "Go back to the page you saw before."},
            {"Forward", "Go forward again after going back."},
            {"Contents", "Show the list of every help page."},
            {"Search", "Find the pages that mention every word typed in the field beside it."},
        }},
        {"TAddressBrowseForm", {
            {"Tag", "Tag or untag the selected record."},
            {"Ok", "Close the list and go to the selected record."},
        }},
    };
    return texts;
}
} // namespace

QString TWhatsThisTexts::For(const QString& windowClass, const QString& caption)
{
    return AllTexts().value(windowClass).value(caption);
}

QStringList TWhatsThisTexts::Windows()
{
    QStringList windows = AllTexts().keys();
    windows.sort();
    return windows;
}

QStringList TWhatsThisTexts::Captions(const QString& windowClass)
{
    QStringList captions = AllTexts().value(windowClass).keys();
    captions.sort();
    return captions;
}
