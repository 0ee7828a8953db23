// "Select Label Template": the catalogue searched by manufacturer, product type and European
// paper, the matching templates by description with the sizes of the one under the cursor.
// Ok (enabled only while something matches) copies that template into the stock.
#pragma once

#include "TLabelCatalogue.h"
#include "TLabelStock.h"

#include <QDialog>

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class TSelectLabel : public QDialog {
    Q_OBJECT
public:
    // The catalogue must be open (see Select()).
    TSelectLabel(const TLabelStock& stock, std::unique_ptr<TLabelCatalogue> catalogue, QWidget* parent = nullptr);
    ~TSelectLabel() override;
    // Opens the catalogue ("Unable to Open LBLTPL.DBF" and false when it cannot), shows the
    // dialog centred over `parent` and on Ok takes the chosen template into `stock`.
    static bool Select(TLabelStock& stock, QWidget* parent);

    // The stock as Ok left it (the incoming one until then).
    const TLabelStock& Stock() const { return Result; }
    const std::vector<TLabelStock>& Matches() const { return Rows; }

    QComboBox* ManufacturerBox() const { return Manufacturer; }
    QComboBox* ProductTypeBox() const { return ProductType; }
    QCheckBox* EuropeanBox() const { return European; }
    QListWidget* TemplateList() const { return List; }
    QPushButton* OkButton() const { return Ok; }
    QLabel* DetailLabel(int index) const { return Details[size_t(index)]; } // height, width, across, down, paper w, h

    // Rebuilds the query from the three controls and fills the list.
    void ChoiceChange();
    void CursorChange();
    void OkButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<TLabelCatalogue> Catalogue;
    TLabelStock Result;
    std::vector<TLabelStock> Rows;
    QComboBox* Manufacturer;
    QComboBox* ProductType;
    QCheckBox* European;
    QListWidget* List;
    QPushButton* Ok;
    std::vector<QLabel*> Details;
};
