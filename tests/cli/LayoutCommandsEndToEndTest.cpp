// `quorvane layout show` and `layout render`, run as a script would.
#include "QuorvaneProcess.h"

#include "data/TAddressTable.h"
#include "layout/TLFIMBarCode.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLPostNetBarCode.h"
#include "layout/TLBasePanel.h"
#include "layout/TLLabelObjectFiler.h"
#include "layout/TLLineShape.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LayoutCommandsEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }

    // A layout file naming a class no reader knows.
    QString DamagedFile(const char* name)
    {
        const QString damaged = Folder.filePath(QString::fromLatin1(name));
        QFile file(damaged);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x01TPF0\x05TLFoo\x01X\x00\x00\x00", 15));
        return damaged;
    }

    QString LabelFile()
    {
        TLBasePanel panel;
        auto label = std::make_unique<TLPLabel>();
        label->Name = QStringLiteral("Special1");
        label->SetBounds(8, 16, 142, 33);
        label->SetCaption(QStringLiteral("Say \"hi\"\tnow"));
        panel.Adopt(std::move(label));
        auto data = std::make_unique<TLPDLabel>();
        data->Name = QStringLiteral("Special2");
        data->SetBounds(8, 60, 142, 20);
        data->DataFieldDescript = QStringLiteral("Last Name");
        data->SetCaption(QString());
        panel.Adopt(std::move(data));
        auto fim = std::make_unique<TLFIMBarCode>();
        fim->Name = QStringLiteral("Special3");
        panel.Adopt(std::move(fim));
        const QString file = Folder.filePath("BIN00001.L");
        TLLabelObjectFiler().WritePanel(panel, file);
        return file;
    }
};

} // namespace

TEST_F(LayoutCommandsEndToEnd, ShowPrintsEachObjectAsStored)
{
    const TRun run = Quorvane({"layout", "show", LabelFile()});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QStringList lines = run.Out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "TLPLabel Special1 at 8,16 size 142x33 Locked=False Unselectable=False Caption=\"Say \\\"hi\\\"\\tnow\" "
                        "Font.Color=clBlack Font.Height=-13 Font.Name=\"Arial\" Font.Style=[] Transparent=True "
                        "BackColor=clWhite BorderStyle=bsNone");
    EXPECT_TRUE(lines[1].endsWith("DataFieldDescript=\"Last Name\" LengthOfText=0")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("TLFIMBarCode Special3 at 0,0 size ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith("FIMType=fimTypeA"));
}

TEST_F(LayoutCommandsEndToEnd, ShowReportListsBandsAndSettings)
{
    TLBasePanel header, detail, footer;
    auto line = std::make_unique<TLLineShape>();
    line->Name = QStringLiteral("Special1");
    detail.Adopt(std::move(line));
    const QString file = Folder.filePath("BIN00001.R");
    TLLabelObjectFiler().WriteReport(header, detail, footer, TLReportSettings(), file);
    const TRun run = Quorvane({"layout", "show", file});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QStringList lines = run.Out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3 + 1 + 1 + 50);
    EXPECT_EQ(lines[0], "[header]");
    EXPECT_EQ(lines[1], "[detail]");
    EXPECT_TRUE(lines[2].startsWith("TLLineShape Special1 at 0,0 size 10x10"));
    EXPECT_EQ(lines[3], "[footer]");
    EXPECT_EQ(lines[4], "[settings]");
    EXPECT_EQ(lines[5], "PageWidth=8500");
    EXPECT_EQ(lines[18], "MemoFontName=\"Arial\"");
    EXPECT_EQ(lines[26], "DefaultItalic=False");
    EXPECT_EQ(lines[27], "Header.Left=False");
    EXPECT_EQ(lines.last(), "Footer.ShadeColor=0");
}

TEST_F(LayoutCommandsEndToEnd, DamagedOrMissingFilesFailWithTheReadersMessage)
{
    const QString damaged = DamagedFile("BIN00002.L");
    for (const QString& sub : {QStringLiteral("show"), QStringLiteral("render")}) {
        QStringList arguments{"layout", sub, damaged};
        if (sub == QLatin1String("render"))
            arguments << "--pdf" << Folder.filePath("out.pdf");
        TRun run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_TRUE(run.Err.contains("Class TLFoo not found")) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(damaged));
        arguments[2] = Folder.filePath("BIN09999.L");
        run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_TRUE(run.Err.contains("Cannot open file")) << run.Err.toStdString();
    }
}

TEST_F(LayoutCommandsEndToEnd, EditRefusesBadArgumentsAndDamagedFilesBeforeOpeningAWindow)
{
    const QString damaged = DamagedFile("BIN00003.L");
    const std::pair<QStringList, const char*> cases[] = {
        {{"layout", "edit"}, "give FILE"},
        {{"layout", "edit", "a.L", "--kind", "poster"}, "--kind is label, envelope or report"},
        {{"layout", "edit", "a.L", "--size", "0x2"}, "--size needs WxH"},
        {{"layout", "edit", damaged}, "Class TLFoo not found"},
        {{"layout", "edit", Folder.filePath("new.L")}, "needs a display"}, // no display in the tests
    };
    for (const auto& [arguments, message] : cases) {
        const TRun run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains(QString::fromLatin1(message))) << run.Err.toStdString();
    }
}

TEST_F(LayoutCommandsEndToEnd, RenderWritesAPdfAndAPreviewForARecord)
{
    const QString table = Folder.filePath("ADD0001.DBF");
    ASSERT_EQ(Quorvane({"create", table}).Status, 0);
    {
        auto address = TAddressTable::Open(table);
        ASSERT_TRUE(address);
        address->Table().appendBlank();
        address->SetFieldText(QStringLiteral("LNAME"), QStringLiteral("Cole"));
        address->Table().commit();
    }
    const QString layout = LabelFile();
    TRun run = Quorvane({"layout", "render", layout, "--table", table, "--recno", "1", "--size", "4x1.5", "--pdf",
                         Folder.filePath("label.pdf")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    QFile pdf(Folder.filePath("label.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    run = Quorvane({"layout", "render", layout, "--preview-png", Folder.filePath("png")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(QFile::exists(Folder.filePath("png/page1.png")));
    EXPECT_EQ(Quorvane({"layout", "render", layout, "--size", "4", "--pdf", "x.pdf"}).Status, 2);
    EXPECT_EQ(Quorvane({"layout", "render", layout}).Status, 2);
}

namespace {

// How many pixels in `area` of the image are dark.
int InkIn(const QImage& image, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

} // namespace

TEST_F(LayoutCommandsEndToEnd, RenderPrintsThePostalBarcodesOfTheRecord)
{
    const QString table = Folder.filePath("ADD0001.DBF");
    ASSERT_EQ(Quorvane({"create", table}).Status, 0);
    {
        auto address = TAddressTable::Open(table);
        ASSERT_TRUE(address);
        address->Table().appendBlank();
        address->SetFieldText(QStringLiteral("ZIP"), QStringLiteral("12345-6789"));
        address->SetFieldText(QStringLiteral("STREET"), QStringLiteral("123 MAIN ST"));
        address->Table().commit();
        address->Table().appendBlank();   // record 2: no ZIP, so no routing
        address->Table().commit();
    }
    TLBasePanel panel;
    auto fim = std::make_unique<TLFIMBarCode>();
    fim->Name = QStringLiteral("Fim1");
    fim->SetBounds(0, 0, 60, 60);
    panel.Adopt(std::move(fim));
    auto postnet = std::make_unique<TLPostNetBarCode>();
    postnet->Name = QStringLiteral("PostNet1");
    postnet->ZipCodeField = QStringLiteral("ZIP");
    postnet->AddressField = QStringLiteral("STREET");
    postnet->SetBounds(0, 96, 300, 16);
    panel.Adopt(std::move(postnet));
    auto imb = std::make_unique<TLIMBarCode>();
    imb->Name = QStringLiteral("IMb1");
    imb->BarcodeId = QStringLiteral("00");
    imb->ServiceTypeId = QStringLiteral("270");
    imb->MailerId = QStringLiteral("123456");
    imb->SetBounds(0, 144, 300, 16);
    panel.Adopt(std::move(imb));
    const QString layout = Folder.filePath("BIN00003.L");
    TLLabelObjectFiler().WritePanel(panel, layout);

    auto render = [&](const char* recno) {
        const QString folder = Folder.filePath(QStringLiteral("png%1").arg(recno));
        const TRun run = Quorvane({"layout", "render", layout, "--table", table, "--recno", recno, "--size", "4x2",
                                   "--preview-png", folder});
        EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
        return QImage(folder + "/page1.png");
    };
    const QImage full = render("1");
    ASSERT_EQ(full.size(), QSize(384, 192));
    const QRect fimArea(0, 0, 60, 60), postnetArea(0, 96, 300, 16), imbArea(0, 140, 330, 24);
    EXPECT_GT(InkIn(full, fimArea), 5 * 3 * 50);            // five bars of 3 x 54 pixels
    EXPECT_GT(InkIn(full, postnetArea), 62 * 4);            // 62 bars, each at least half height
    EXPECT_GT(InkIn(full, imbArea), 65 * 3);                // 65 bars, each at least the tracker
    EXPECT_EQ(InkIn(full, QRect(0, 60, 384, 30)), 0);       // nothing between them

    const QImage empty = render("2");
    EXPECT_EQ(InkIn(empty, fimArea), InkIn(full, fimArea)); // the FIM needs no record
    EXPECT_EQ(InkIn(empty, postnetArea), 0);
    EXPECT_EQ(InkIn(empty, imbArea), 0);
}
