// The page and band dialog "Report Layout": paper size and orientation (found from the stored
// page size), the four margins in inches, and per band its outline sides, line width, shade
// percentage and colour; a miniature of the page at 1/20 scale shows margins, outlines and
// shades, and a click on a band in it opens that band's page. It edits a copy of the settings
// block; Save hands the copy back.
#pragma once

#include "TReportPaper.h"

#include "layout/TLReportSettings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;

class TReportProperties : public QDialog {
    Q_OBJECT
public:
    TReportProperties(const TLReportSettings& settings, QWidget* parent = nullptr);

    // The edited copy, page size and margins recomputed from the controls.
    TLReportSettings Settings() const;
    QString LayoutText() const { return Paper().Description(); }
    TReportPaper Paper() const;

    void DefaultsButtonClick();
    void SaveButtonClick() { accept(); }
    void CancelButtonClick() { reject(); }
    // The band under a miniature point (0 header .. 3 footer), or -1.
    int BandAt(QPoint miniaturePoint) const;
    void MiniatureClick(QPoint miniaturePoint);

    QTabWidget* Pages = nullptr;
    QRadioButton* PortraitButton = nullptr;
    QRadioButton* LandscapeButton = nullptr;
    QRadioButton* LetterButton = nullptr;
    QRadioButton* A4Button = nullptr;
    std::array<QDoubleSpinBox*, 4> MarginEdits{}; // left, top, right, bottom
    struct TBandControls {
        QCheckBox* Top = nullptr;
        QCheckBox* Left = nullptr;
        QCheckBox* Bottom = nullptr;
        QCheckBox* Right = nullptr;
        QSpinBox* LineWidth = nullptr;
        QSpinBox* ShadePercent = nullptr;
        QPushButton* ShadeColor = nullptr;
        int Color = 0xFFFFFF;
    };
    std::array<TBandControls, 4> Bands;
    QWidget* Miniature = nullptr;

private:
    QWidget* PagePage();
    QWidget* BandPage(int band);
    void Show(const TLReportSettings& settings);
    void ShowColor(int band);

    TLReportSettings Copy;
};
