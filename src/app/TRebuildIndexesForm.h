// "Rebuild Indexes" for the open address table: "Reindex" packs the table (deleted records go
// for good) and builds the 26 tags again, with one bar over the whole run; "Cancel" before
// starting closes without touching the table. Also offered when an opened table lacks its tags.
//
// Contract: the table stays open for the dialog's life. Afterwards the table is in record
// order; the main window restores its order and re-applies its filter.
#pragma once

#include "TRebuildForm.h"

class TAddressTable;

class TRebuildIndexesForm : public TRebuildForm {
    Q_OBJECT
public:
    TRebuildIndexesForm(QWidget* parent, TAddressTable& table);

    // Shows the dialog over `parent`; true when the table has its 26 tags afterwards.
    static bool Run(QWidget* parent, TAddressTable& table);

    void Reindex() override;

private:
    TAddressTable& Table;
};
