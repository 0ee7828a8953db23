// "Envelope Design Screen": one envelope layout on an envelope panel the size of the envelope
// (length across, width down), edited with the designer component: the twelve tools, grid, snap,
// field names or values, zoom 50-150 %, record buttons, and the envelope's own commands: the
// printer-margins button (the printer's unprintable areas as a red dotted line), "Show USPS
// Automation Template" (the four postal zones, guides only), Settings > "Default Font" and
// "Layout" (the size dialog), "Description:", "Save" (shown once something changed), "Cancel",
// "Help" and "Quick Tips".
#pragma once

#include "TEnvelopeSetups.h"

#include "layout/TEnvelopePanel.h"
#include "layout/TLStandardObjectEditing.h"

#include <QDialog>
#include <QMargins>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class TAddressTable;
class TBaseReport;
class TLAddressDataSource;
class TLayoutDesigner;

class TEnvelopeDesignScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* FontSection = "Envelope";
    static constexpr const char* FontNote =
        "Note: the default font is used for NEW objects only.\rTo change the font of an existing object, click it\r"
        "with the RIGHT MOUSE BUTTON and select FONT";

    // Designs `setup` (a new one when `isNew`: empty panel, "<New envelope>", a new file name)
    // and saves it through `setups` on Save; true when saved (`setup` then holds the row).
    static bool Design(TEnvelopeSetups& setups, TEnvelopeSetup& setup, bool isNew, TAddressTable& table,
                       TBaseReport& printer, QWidget* parent);

    TEnvelopeDesignScreen(TEnvelopeSetups& setups, TEnvelopeSetup setup, bool isNew, TAddressTable* table,
                          TBaseReport* printer, QWidget* parent = nullptr);
    ~TEnvelopeDesignScreen() override;

    // First activation: placement, default font, panel size, captions, "Save" hidden.
    void FormActivate();
    void SaveButtonClick();
    void LayoutMenuClick();
    void DefaultFontMenuClick();
    void SetShowZones(bool on);
    void SetShowMargins(bool on);

    TEnvelopePanel& Panel() { return EnvelopePanel; }
    TLayoutDesigner& Designer() const { return *DesignerWidget; }
    const TEnvelopeSetup& Setup() const { return Current; }
    QString LayoutCaption() const;
    QString DefaultFontCaption() const;
    QLineEdit* DescriptionEdit() const { return Description; }
    QPushButton* SaveButton() const { return SaveCommand; }
    bool ZonesShown() const { return ShowZones; }
    bool MarginsShown() const { return ShowMargins; }
    // The printer's unprintable widths and page size in screen pixels at zoom 1.0.
    QMargins PrinterMargins() const { return Unprintable; }
    QSize PrinterPage() const { return PageSize; }
    // The panel as shown, zones and margins over it.
    QImage Picture() const;

    // The size dialog (tests replace it).
    std::function<std::optional<TEnvelopeSize>(const TEnvelopeSize&)> ChooseSize;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Cancel, Escape and the close box: "Save changes?" first when the design is unsaved.
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildWindow();
    void SizePanel();
    void ReadDefaultFont();
    void Changed();
    void PaintGuides(QPainter& painter, QSize shown) const;
    friend class TEnvelopeGuides;

    TEnvelopeSetups& Setups;
    TEnvelopeSetup Current;
    bool IsNew;
    TAddressTable* Table;
    std::unique_ptr<TLAddressDataSource> Data;
    TLOwner Owner;
    TEnvelopePanel EnvelopePanel{&Owner};
    TLStandardObjectEditing ObjectEditing;
    TLayoutDesigner* DesignerWidget = nullptr;
    QWidget* Guides = nullptr;
    QLineEdit* Description = nullptr;
    QPushButton* SaveCommand = nullptr;
    QAction* LayoutAction = nullptr;
    QAction* MarginsAction = nullptr;
    QAction* ZonesAction = nullptr;
    QLabel* FontCaption = nullptr;
    QMargins Unprintable;
    QSize PageSize;
    bool ShowZones = false;
    bool ShowMargins = false;
    bool Activated = false;
};
