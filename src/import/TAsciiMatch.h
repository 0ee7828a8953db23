// "ASCII File Import Match Fields": the sample lines of the text file in the grid "Sample
// ASCII Fields" (one column per file column, as wide as its longest sample in W characters,
// at least "Field 12" and at most two inches), above the match grid. Remembers its placement.
#pragma once

#include "TMatchFieldsForm.h"

class QTableWidget;
class TTextImportFile;

class TAsciiMatch : public TMatchFieldsForm {
    Q_OBJECT
public:
    TAsciiMatch(QWidget* parent, const TTextImportFile& file, const TImportMatch& match);
    ~TAsciiMatch() override;

    QTableWidget* SampleGrid = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool Placed = false;
};
