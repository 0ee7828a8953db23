// "Search &Memo" and "Find &Next": looks for a text in the memos of the record set, record by
// record in the current order, reading at most the first 32767 bytes of each memo and ignoring
// case. While it runs a small "Searching" window offers "Cancel". A find leaves the table on
// that record and allows "Find &Next"; a search that ends without one (or is cancelled) puts the
// table back on the record it started from, beeps, and withdraws "Find &Next".
//
// The main window owns one and shows "Find &Next" while CanFindNext(); it calls Forget() when
// another table is opened.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;
class TAddressTable;

class TMemoSearch {
public:
    static constexpr size_t SearchedBytes = 32767;
    // Asks for the text (caption "Memo Search", prompt "Search For"); nullopt for Cancel.
    using TAskText = std::function<std::optional<QString>(QWidget* parent)>;
    // Told after each record that did not match; false stops the search there.
    using TKeepGoing = std::function<bool()>;

    TMemoSearch();

    bool SearchMemo(QWidget* parent, TAddressTable& table); // from the first record of the set
    bool FindNext(QWidget* parent, TAddressTable& table);   // from the record after the current one
    bool CanFindNext() const { return Found; }
    void Forget();
    const QString& Text() const { return SearchText; }

    // Replaces the question for the text (tests answer it without a window).
    void SetAskText(TAskText ask) { AskText = std::move(ask); }

    // The loop alone: from the current record on, stops on the first record whose memo holds
    // `text` (true), at the end of the set or when keepGoing says so (false, at the stop).
    static bool Scan(TAddressTable& table, const QString& text, const TKeepGoing& keepGoing = {});

private:
    bool Run(QWidget* parent, TAddressTable& table, uint32_t startRecno);

    TAskText AskText;
    QString SearchText;
    bool Found = false;
};
