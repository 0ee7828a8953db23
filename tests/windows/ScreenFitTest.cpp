// The large windows fit a 1366 x 768 screen: each opens with its frame inside the available
// area (scroll bars in reach), and a placement remembered on a larger screen comes back whole.
#include "data/PeopleTestTable.h"

#include "envelopes/TEnvelopeDesignScreen.h"
#include "envelopes/TEnvelopeSetups.h"
#include "envelopes/TQVEnvelopes.h"
#include "help/THelpWindow.h"
#include "import/TAsciiImportForm.h"
#include "import/TMatchFieldsForm.h"
#include "labels/TLabelDesignScreen.h"
#include "letters/TLetterDesign.h"
#include "letters/TRTFPreviewForm.h"
#include "output/TPreviewForm.h"
#include "reports/TReportDesigner.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "settings/TIniFile.h"
#include "settings/TWindowPlacement.h"
#include "tools/TDupCheck.h"

#include <QApplication>
#include <QScreen>

#include <functional>
#include <memory>

namespace {

class ScreenFit : public PeopleTestTable {
protected:
    void SetUp() override
    {
        PeopleTestTable::SetUp();
        Create({{"FNAME=Ann", "LNAME=Able", "STREET=1 Main St", "CITY=Ames", "STATE=IA", "ZIP=50010"}});
    }

    static void ExpectOnScreen(QWidget& window)
    {
        window.show();
        QApplication::processEvents();
        const QRect area = window.screen()->availableGeometry();
        const QRect frame = window.geometry().marginsAdded(TWindowPlacement::FrameMargins(&window));
        EXPECT_TRUE(area.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                          << frame.height();
        window.close();
    }
};

TEST_F(ScreenFit, TheScreenIsTheSmallOne)
{
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1366, 768));
}

TEST_F(ScreenFit, EveryLargeWindowOpensWithinTheScreen)
{
    TRichDocument letter;
    TRtfReader::Read(R"({\rtf1 Dear [First Name],\par Hello.})", letter);
    auto envelopes = TEnvelopeSetups::Open();
    ASSERT_NE(envelopes, nullptr);
    TLabelSetup label;
    label.Stock = TLabelStock::NewStock();
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        {"label preview", [] { return std::make_unique<TPreviewForm>(); }},
        {"letter preview", [&] { return std::make_unique<TRTFPreviewForm>(*Table, letter); }},
        {"label designer", [&] { return std::make_unique<TLabelDesignScreen>(label, false, Table.get()); }},
        {"envelope designer", [&] { return std::make_unique<TEnvelopeDesignScreen>(*envelopes, TEnvelopeSetup{}, true, Table.get(), nullptr); }},
        {"report designer", [&] { return std::make_unique<TReportDesigner>(Table.get()); }},
        {"letter designer", [&] { return std::make_unique<TLetterDesign>(*Table, letter, "Welcome"); }},
        {"envelope list", [&] {
             envelopes.reset(); // the list opens ENVELOPE.DBF itself
             return std::unique_ptr<QWidget>(TQVEnvelopes::Create(*Table).release());
         }},
        {"text import", [&] { return std::make_unique<TAsciiImportForm>(nullptr, *Table); }},
        {"help", [] { return std::make_unique<THelpWindow>(); }},
    };
    for (const auto& [name, make] : windows) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> window = make();
        ASSERT_NE(window, nullptr);
        ExpectOnScreen(*window);
    }
}

TEST_F(ScreenFit, APlacementRememberedOnALargerScreenComesBackWhole)
{
    TIniFile settings(TProgramFolder::SettingsFile());
    const QString section = TWindowPlacement::SectionName("TReportDesigner");
    settings.WriteInteger(section, "Left", 700);
    settings.WriteInteger(section, "Top", 500);
    settings.WriteInteger(section, "Right", 700 + 1500);
    settings.WriteInteger(section, "Bottom", 500 + 950);
    settings.WriteBool(section, "Maximized", false);
    TReportDesigner designer(Table.get());
    ExpectOnScreen(designer);
}

} // namespace
