// The layout of one label setup in a plain view until the full design screen hosts it: the
// label drawn at 100 % with the current record's data, its description (60 typed, 50 kept),
// "Change Layout" (the stock from the catalogue or typed in) and "Save"/"Cancel". Cancel
// changes nothing; the setup screen stores what Save took back.
#pragma once

#include "TLabelSetups.h"

#include "layout/TLLabelPanel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TLDataSource;
class TLPanelWidget;

class TLabelLayoutView : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* NewLabelDescription = "<New Label>";

    // Loads the setup's layout file when it exists; a new setup starts with the new-label layout.
    TLabelLayoutView(const TLabelSetup& setup, bool isNew, TLDataSource* data, QWidget* parent = nullptr);

    QString Description() const;
    const TLabelStock& Stock() const { return LabelStock; }
    TLLabelPanel& Layout() { return Panel; }
    void ChangeLayoutButtonClick();

    QLineEdit* DescriptionEdit = nullptr;
    QPushButton* SaveButton = nullptr;
    QLabel* LayoutCaption = nullptr;

private:
    void SizeToStock();

    TLabelStock LabelStock;
    TLOwner Owner;
    TLLabelPanel Panel{&Owner};
    TLPanelWidget* View = nullptr;
};
