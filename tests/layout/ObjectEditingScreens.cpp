// Pictures of the object dialogs and class menus for looking at by eye: written only when
// QUORVANE_SCREENSHOT_DIR names a folder (run under a real display, e.g. xvfb-run).
#include "layout/TAddressLayout.h"
#include "layout/TFieldSelectionBox.h"
#include "layout/TGetCounter.h"
#include "layout/TGetLabelText.h"
#include "layout/TGetSymbol.h"
#include "layout/TLCounterLabel.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLDateTimeLabel.h"
#include "layout/TLFIMBarCode.h"
#include "layout/TLFont3DEffects.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLImage.h"
#include "layout/TLImageBrowser.h"
#include "layout/TLLabelPanel.h"
#include "layout/TLLabelShapes.h"
#include "layout/TLLineShape.h"
#include "layout/TLPLabel.h"
#include "layout/TLStandardObjectEditing.h"
#include "layout/TLSymbolLabel.h"
#include "layout/TMultiLineTextEditor.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Save(QWidget& widget, const QString& name)
{
    widget.adjustSize();
    widget.show();
    QApplication::processEvents();
    widget.grab().save(QDir(qEnvironmentVariable("QUORVANE_SCREENSHOT_DIR")).filePath(name + ".png"));
    widget.hide();
}

TEST(ObjectEditingScreens, DialogsAndMenus)
{
    if (qEnvironmentVariableIsEmpty("QUORVANE_SCREENSHOT_DIR"))
        GTEST_SKIP() << "QUORVANE_SCREENSHOT_DIR not set";
    TLRecordDataSource data;
    TLLabelPanel panel;
    panel.DataSet = &data;

    TGetLabelText text("Dear friend,");
    Save(text, "text");
    TMultiLineTextEditor lines({"First line", "Second line"}, TLFont().ToQFont());
    Save(lines, "multiline");
    TFieldSelectionBox fields(TFieldSelectionBox::Candidates(&data, false), data.Fields()[3].DisplayLabel);
    Save(fields, "field");
    TLCounterLabel counter;
    TGetCounter counterBox(counter);
    Save(counterBox, "counter");
    TLSymbolLabel symbol;
    TGetSymbol symbols(symbol.Font, symbol.Caption);
    Save(symbols, "symbol");
    TGetSymbol letters(TLFont::Make("Arial", 10), "A");
    Save(letters, "symbol-arial");
    TLPLabel label;
    label.SetCaption("Shadowed");
    label.Font.SetPointSize(20);
    label.DepthShadow = 3;
    label.DepthHighlight = 2;
    TLFont3DEffects effects(label);
    Save(effects, "effects");
    TLDMultiLineAddressLabel block;
    block.UseZip = false;
    TAddressLayout address(block);
    Save(address, "address");
    QTemporaryDir pictures;
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.save(pictures.filePath("Harbour.png"));
    picture.save(pictures.filePath("LOGO.BMP"));
    QDir(pictures.path()).mkdir("Archive");
    TLImageBrowser browser(true, false);
    browser.SetFolder(pictures.path());
    browser.FileList()->setCurrentRow(0);
    Save(browser, "browser");

    auto* plabel = static_cast<TLPLabel*>(panel.AddObject(std::make_unique<TLPLabel>(), QRect(0, 0, 100, 30)));
    plabel->SetAngle(90);
    auto* shape = static_cast<TLLabelShapes*>(panel.AddObject(std::make_unique<TLLabelShapes>(), QRect(0, 0, 30, 30)));
    shape->Shape = TShapeType::stRoundRect;
    const std::pair<TLGraphicControl*, QString> menus[] = {
        {plabel, "menu-text"},
        {panel.AddObject(std::make_unique<TLDateTimeLabel>(), QRect(0, 0, 50, 20)), "menu-date"},
        {panel.AddObject(std::make_unique<TLLineShape>(), QRect(0, 0, 10, 10)), "menu-line"},
        {shape, "menu-shape"},
        {panel.AddObject(std::make_unique<TLImage>(), QRect(0, 0, 10, 10)), "menu-image"},
        {panel.AddObject(std::make_unique<TLFIMBarCode>(), QRect(0, 0, 10, 10)), "menu-fim"},
        {panel.AddObject(std::make_unique<TLIMBarCode>(), QRect(0, 0, 10, 10)), "menu-imb"},
        {panel.AddObject(std::make_unique<TLDMultiLineAddressLabel>(), QRect(0, 0, 10, 10)), "menu-address"},
    };
    TLStandardObjectEditing editing;
    for (const auto& [object, name] : menus) {
        QMenu menu;
        menu.addAction("Bring To Front");
        editing.AddClassEntries(menu, panel, *object, nullptr);
        emit menu.aboutToShow();
        Save(menu, name);
        int index = 0;
        for (QAction* action : menu.actions())
            if (action->menu())
                Save(*action->menu(), name + "-" + QString::number(++index));
    }
}

} // namespace
