// "DBF File Import Match Fields": the source table's records in the panel "Import DBF File
// Browser" (read as they scroll into view), above the match grid.
#pragma once

#include "TMatchFieldsForm.h"

class QTableView;
namespace xbase {
class DbfTable;
}

class TDbfMatch : public TMatchFieldsForm {
    Q_OBJECT
public:
    TDbfMatch(QWidget* parent, xbase::DbfTable& source, const TImportMatch& match);

    QTableView* BrowserGrid = nullptr;
};
