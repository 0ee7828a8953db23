// The base of the four stores of saved setups in the sysdata folder: label setups (LABEL.DBF),
// envelope setups (ENVELOPE.DBF), user-defined reports (REPORT.DBF) and letters (LETTER.DBF).
// It holds the open work area with deleted rows hidden, goes to a row by number, reads and
// writes row texts (Windows-1252, trailing blanks trimmed), and, for the three kinds whose rows
// name a layout file (BINARY), keeps the rule on that name.
//
// A BINARY column is outside input: the table may have been edited or damaged elsewhere. Only
// "BIN" + five digits + "." + the kind's letter (any case) names a layout file, always in the
// sysdata folder; any other text (a folder, "..", an absolute path) is refused with a message
// when a layout is printed, designed or saved, and deleting such a row removes no file. So no
// setup ever reads, writes or removes a file outside sysdata.
//
// Contract: the work area is a system table with a BINARY column (C 12) when the kind has
// layout files. Engine errors reach the caller as xbase::XbaseError.
#pragma once

#include <QChar>
#include <QSet>
#include <QString>

#include <cstdint>
#include <memory>

namespace xbase {
class DbfTable;
class WorkArea;
} // namespace xbase

class TSetupStore {
public:
    static constexpr int LastLayoutNumber = 99999;
    static constexpr int LayoutNameWidth = 12; // the BINARY column

    virtual ~TSetupStore();
    TSetupStore(const TSetupStore&) = delete;
    TSetupStore& operator=(const TSetupStore&) = delete;

    // "BIN00042.R" for number 42 and extension 'R'.
    static QString LayoutName(int number, QChar extension);
    // Whether `name` is "BIN" + five digits + "." + `extension`, in any case.
    static bool IsLayoutName(const QString& name, QChar extension);
    // The full path of the layout file `name` in the sysdata folder. std::runtime_error naming
    // the text when it is no layout name of the kind: a row must not send us elsewhere.
    static QString LayoutPath(const QString& name, QChar extension);
    // The first name neither present in `folder` nor in `used`; throws std::runtime_error naming
    // `kind` ("label", "report") when all 99,999 names are taken (nothing is overwritten).
    static QString FirstFreeName(const QString& folder, QChar extension, const QSet<QString>& used, const QString& kind);
    // The BINARY names of every row, deleted ones too: a row whose file went missing still owns
    // its name.
    static QSet<QString> UsedNames(xbase::DbfTable& table);

    static QString Text(const xbase::DbfTable& table, const char* field);
    static void SetText(xbase::DbfTable& table, const char* field, const QString& text, int width);

protected:
    // `extension` is the letter of the kind's layout files; a null QChar for a kind without.
    TSetupStore(std::unique_ptr<xbase::WorkArea> area, QChar extension);

    // Stands on the row `recordNumber`; false for a missing or deleted row.
    bool Go(uint32_t recordNumber);
    QSet<QString> UsedLayoutNames();
    // The path of the current row's layout file (LayoutPath's refusal for a bad name).
    QString RowLayoutPath() const;
    // Marks the row deleted, then removes its layout file, only when the row names one by the
    // rule: a row with any other BINARY text goes, and no file is touched.
    void DeleteRow(uint32_t recordNumber);

    std::unique_ptr<xbase::WorkArea> Area;
    const QChar Extension;
};
