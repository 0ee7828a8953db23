// "DBF File Import": choose another DBF table, match its fields to address fields (made
// automatically the first time "Match Fields" is used after choosing) and import its records.
#pragma once

#include "TImportForm.h"
#include "TImportMatch.h"

#include "xbase/DbfTable.h"

#include <memory>

class TDbfImportForm : public TImportForm {
    Q_OBJECT
public:
    TDbfImportForm(QWidget* parent, TAddressTable& table);
    static void Execute(QWidget* parent, const QString& databasePath);

    void SelectDbfFileClick();
    bool LoadSource(const QString& path); // false after its message
    void MatchFieldsClick();
    void ImportClick();
    const TImportMatch& Match() const { return Fields; }

private:
    std::unique_ptr<xbase::DbfTable> Source;
    TImportMatch Fields;
    bool Matched = false;
};
