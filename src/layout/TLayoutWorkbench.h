// The layout workbench (`quorvane layout edit`): a small window with the designer component on
// one layout file and "Save", for support and for trying objects out. A label or envelope file
// is one panel; a report file is its three bands with its settings block kept as read. A
// missing file starts empty. With an address table the record buttons step through it.
#pragma once

#include "TLLabelPanel.h"
#include "TReportPanel.h"
#include "TLReportSettings.h"
#include "TLayoutDesigner.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class TAddressTable;
class TLAddressDataSource;
class TLObjectEditing;

class TLayoutWorkbench : public QWidget {
    Q_OBJECT
public:
    // `size` in layout pixels; an empty size takes the kind's usual one. Throws TLStreamError
    // when the file cannot be read.
    TLayoutWorkbench(const QString& fileName, TLDesignerKind kind, QSize size = {}, QWidget* parent = nullptr);
    ~TLayoutWorkbench() override;

    // The kind a file's extension suggests (.E envelope, .R report, anything else a label).
    static TLDesignerKind KindOf(const QString& fileName);
    // Binds the panels to the table's current record; the record buttons step through it.
    void SetTable(TAddressTable* table);

    TLayoutDesigner& Designer() const { return *Design; }
    QPushButton* SaveButton() const { return Save; }
    // Writes the layout; false (with the message shown) when it could not be written.
    bool SaveLayout();

private:
    bool Step(TLRecordStep step);

    QString FileName;
    TLDesignerKind Kind;
    TLOwner Owner;
    std::vector<std::unique_ptr<TLDataPanel>> Panels;
    TLReportSettings Settings;
    std::unique_ptr<TLObjectEditing> Editing;
    std::unique_ptr<TLAddressDataSource> Data;
    TAddressTable* Table = nullptr;
    TLayoutDesigner* Design = nullptr;
    QPushButton* Save = nullptr;
    QLabel* Status = nullptr;
};
