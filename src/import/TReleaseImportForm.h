// "Import Quorvane 1.x DBF" and "Import Quorvane 2.x DBF": choose a table of that release and
// import it field by field into the main window's open table (no matching step).
#pragma once

#include "TImportForm.h"

#include "xbase/DbfTable.h"

#include <memory>

class TReleaseImportForm : public TImportForm {
    Q_OBJECT
public:
    TReleaseImportForm(QWidget* parent, TAddressTable& table, int release);
    static QString Caption(int release); // "Import Quorvane 1.x DBF"

    void SelectDbfFileClick();
    bool LoadSource(const QString& path); // false after its message
    void ImportClick();

private:
    int Release;
    std::unique_ptr<xbase::DbfTable> Source;
};
