// What the setup tables of labels, envelopes and reports share about their rows: the layout
// file a row names in the sysdata folder ("BIN" + five digits + "." + the kind's letter), the
// first free such name, and the row texts (Windows-1252, trailing blanks trimmed).
#pragma once

#include <QSet>
#include <QString>

namespace xbase {
class DbfTable;
}

class TLSetupFiles {
public:
    static constexpr int LastLayoutNumber = 99999;

    // "BIN00042.R" for number 42 and extension 'R'.
    static QString LayoutName(int number, QChar extension);
    // The first name neither present in `folder` nor in `used`; throws std::runtime_error naming
    // `kind` ("label", "report") when all 99,999 names are taken (nothing is overwritten).
    static QString FirstFreeName(const QString& folder, QChar extension, const QSet<QString>& used, const QString& kind);
    // The BINARY names of every row, deleted ones too: a row whose file went missing still owns
    // its name.
    static QSet<QString> UsedNames(xbase::DbfTable& table);

    static QString Text(const xbase::DbfTable& table, const char* field);
    static void SetText(xbase::DbfTable& table, const char* field, const QString& text, int width);
};
