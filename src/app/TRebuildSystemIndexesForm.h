// "Rebuild System Indexes": "Reindex" packs the six system tables of the sysdata folder and
// builds each one's tag again, naming the table in work above the bar; a table that cannot be
// rebuilt is passed over. "Cancel" before starting closes without doing anything.
//
// Contract: no system table is open elsewhere while the dialog runs.
#pragma once

#include "TRebuildForm.h"

enum class TSystemTable;

class TRebuildSystemIndexesForm : public TRebuildForm {
    Q_OBJECT
public:
    explicit TRebuildSystemIndexesForm(QWidget* parent = nullptr);

    static void Run(QWidget* parent);

    void Reindex() override;
    // The text shown while `table` is being rebuilt.
    static QString ActivityText(TSystemTable table);
};
