// The panel on screen: composed at any zoom, with every object kind drawn. Setting
// QUORVANE_LAYOUT_SNAPSHOTS=DIR keeps the pictures there for a look.
#include "layout/TLFIMBarCode.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLPostNetBarCode.h"
#include "layout/TLCounterLabel.h"
#include "layout/TLDMultiLineAddressLabel.h"
#include "layout/TLImage.h"
#include "layout/TLLabelPanel.h"
#include "layout/TLLabelShapes.h"
#include "layout/TLLineShape.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "layout/TLPanelWidget.h"
#include "layout/TLSymbolLabel.h"

#include "settings/TScreenMetrics.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

int InkPixels(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

} // namespace

TEST(TLPanelWidget, ComposesEveryKindAtAnyZoom)
{
    TScreenMetrics::SetPixelsPerInch(96);
    TLRecordDataSource data;
    data.SetValue(QStringLiteral("LNAME"), QStringLiteral("Cole"));
    data.SetValue(QStringLiteral("CITY"), QStringLiteral("Troy"));
    TLLabelPanel panel;
    panel.DataSet = &data;
    panel.SetSize(400, 200);
    panel.DrawOutline = true;
    auto* text = static_cast<TLPLabel*>(panel.AddObject(std::make_unique<TLPLabel>(), QRect(10, 10, 142, 20)));
    text->DepthShadow = 2;
    auto* turned = static_cast<TLPLabel*>(panel.AddObject(std::make_unique<TLPLabel>(), QRect(370, 10, 20, 120)));
    turned->SetAngle(90);
    auto* upside = static_cast<TLPLabel*>(panel.AddObject(std::make_unique<TLPLabel>(), QRect(230, 140, 142, 20)));
    upside->SetAngle(180);
    upside->SetCaption(QStringLiteral("Upside"));
    upside->BorderStyle = TBorderStyle::bsSingle;
    auto* boxed = static_cast<TLPLabel*>(panel.AddObject(std::make_unique<TLPLabel>(), QRect(230, 170, 142, 20)));
    boxed->SetCaption(QStringLiteral("3D"));
    boxed->DepthHighlight = 2;
    boxed->Transparent = false;
    boxed->BackColor = 0xC0FFC0;
    static_cast<TLPDLabel*>(panel.AddObject(std::make_unique<TLPDLabel>(), QRect(10, 40, 100, 20)))->DataFieldDescript =
        QStringLiteral("Last Name");
    panel.AddObject(std::make_unique<TLCounterLabel>(), QRect(10, 70, 60, 20));
    panel.AddObject(std::make_unique<TLSymbolLabel>(), QRect(80, 70, 40, 40));
    panel.AddObject(std::make_unique<TLDMultiLineAddressLabel>(), QRect(160, 10, 190, 60));
    panel.AddObject(std::make_unique<TLLabelShapes>(), QRect(160, 80, 60, 40));
    static_cast<TLLineShape*>(panel.AddObject(std::make_unique<TLLineShape>(), QRect(230, 80, 60, 40)))->LineStyle =
        TLineStyle::stAngleSlopingDown;
    QImage pixels(8, 8, QImage::Format_RGB32);
    pixels.fill(Qt::darkBlue);
    static_cast<TLImage*>(panel.AddObject(std::make_unique<TLImage>(), QRect(300, 80, 40, 40)))->SetPicture(TLPicture::FromImage(pixels));
    panel.AddObject(std::make_unique<TLPostNetBarCode>(), QRect(10, 150, 200, 16));
    panel.RefreshData();

    TLPanelWidget widget(panel);
    const QImage at100 = widget.Compose();
    EXPECT_EQ(at100.size(), QSize(400, 200));
    widget.SetZoom(1.6);
    const QImage at160 = widget.Compose();
    EXPECT_EQ(at160.size(), QSize(640, 320));
    EXPECT_EQ(panel.Objects()[0]->BoundsRect(), QRect(10, 10, text->Width(), text->Height()));
    // The same drawing, larger: about 1.6² as much ink.
    const double ratio = double(InkPixels(at160)) / InkPixels(at100);
    EXPECT_GT(ratio, 1.8);
    EXPECT_LT(ratio, 3.6);
    if (const QByteArray folder = qgetenv("QUORVANE_LAYOUT_SNAPSHOTS"); !folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        at100.save(QString::fromLocal8Bit(folder) + QStringLiteral("/panel-100.png"));
        at160.save(QString::fromLocal8Bit(folder) + QStringLiteral("/panel-160.png"));
        panel.SaveToFile(QString::fromLocal8Bit(folder) + QStringLiteral("/every-kind.L"));
    }
}
