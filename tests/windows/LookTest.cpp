// Pictures of the windows as a person meets them, for looking at: run test_windows with
// QUORVANE_LOOK=DIR under a display with a window manager (xvfb-run at 1366 x 768 with
// openbox); skipped otherwise. Each picture is the whole screen, so stacking shows.
#include "data/PeopleTestTable.h"

#include "app/TAddressMain.h"
#include "app/TGettingStartedForm.h"
#include "envelopes/TEnvelopeDesignScreen.h"
#include "envelopes/TEnvelopeSetups.h"
#include "envelopes/TQVEnvelopes.h"
#include "help/THelp.h"
#include "labels/TLabelDesignScreen.h"
#include "layout/TLFIMBarCode.h"
#include "layout/TLPLabel.h"
#include "letters/TLetterDesign.h"
#include "letters/TRTFPreviewForm.h"
#include "output/TPageStream.h"
#include "output/TPreviewForm.h"
#include "output/TReportFiler.h"
#include "reports/TReportDesigner.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"
#include "tools/TDupCheck.h"
#include "tools/TStateZipCheck.h"
#include "tools/TToolGridModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace {

class Look : public PeopleTestTable {
protected:
    QString Folder = qEnvironmentVariable("QUORVANE_LOOK");

    static void Wait(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    void Screen(const QString& name)
    {
        Wait(700);
        QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(Folder).filePath(name + ".png"));
    }
    // Runs `open`, which shows a modal window of class `className`; once it is up, `then` runs
    // (help opened, a tool performed), the screen is taken, and the window is closed.
    void WhileOpen(const char* className, const QString& name, const std::function<void()>& open,
                   const std::function<void(QWidget*)>& then = {})
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* front = QApplication::activeModalWidget();
            if (!front || qstrcmp(front->metaObject()->className(), className) != 0)
                return;
            poll.stop();
            Wait(500);
            if (then)
                then(front);
            Screen(name);
            if (auto* dialog = qobject_cast<QDialog*>(front))
                dialog->done(QDialog::Rejected);
        });
        poll.start(100);
        open();
    }
    static void Help(QWidget* window) { THelp::ShowPageOf(window); }
};

TEST_F(Look, TheWindowsOnA1366By768Screen)
{
    if (Folder.isEmpty())
        GTEST_SKIP() << "set QUORVANE_LOOK to a folder, under a display with a window manager";
    QDir().mkpath(Folder);
    THelp::Install();
    {   // First start on an empty program folder: the main window, Getting Started over it.
        QTemporaryDir first;
        TProgramFolder::SetPath(first.path() + QLatin1Char('/'));
        TProgramFolder::Prepare();
        TAddressMain window;
        window.show();
        Screen("01-first-start");
        window.close();
        TProgramFolder::SetPath(Home.path() + QLatin1Char('/'));
    }
    Create({{"FNAME=John", "LNAME=Smith", "STREET=1 Main St", "CITY=Ithaca", "STATE=NY", "ZIP=14850"},
            {"FNAME=JOHN", "LNAME=smith", "STREET=1 Main St", "CITY=Troy", "STATE=NY", "ZIP=99999"},
            {"FNAME=Ann", "LNAME=Lee", "STREET=2 Elm St", "CITY=Rome", "STATE=ZZ", "ZIP=13440"}});
    Table->SetExtraFields(true);

    TRichDocument letter;
    TRtfReader::Read(R"({\rtf1 Dear [First Name],\par Thank you for your order.\par Sincerely,\par Northwind})", letter);
    TLabelSetup label;
    label.Stock = TLabelStock::NewStock();
    WhileOpen("TLabelDesignScreen", "02-label-designer-help", [&] {
        TLabelDesignScreen screen(label, true, Table.get());
        screen.exec();
    }, Help);
    auto envelopes = TEnvelopeSetups::Open();
    WhileOpen("TEnvelopeDesignScreen", "03-envelope-designer-help", [&] {
        TEnvelopeDesignScreen design(*envelopes, TEnvelopeSetup{}, true, Table.get(), nullptr);
        design.Panel().AddObject(design.Panel().CreateObject(TLPanelState::psAddressLabel), QRect(400, 190, 320, 90));
        design.Panel().AddObject(design.Panel().CreateObject(TLPanelState::psPostNetBarCode), QRect(400, 290, 270, 16));
        design.Panel().AddObject(std::make_unique<TLFIMBarCode>(), QRect(640, 0, 20, 20));
        design.exec();
    }, Help);
    WhileOpen("TReportDesigner", "04-report-designer-help", [&] {
        TReportDesigner designer(Table.get());
        designer.Settings().UseFooter = true;
        designer.Relayout();
        designer.exec();
    }, Help);
    WhileOpen("TLetterDesign", "05-letter-designer-help", [&] {
        TRichDocument copy;
        copy.CopyFrom(letter);
        TLetterDesign designer(*Table, copy, "Welcome");
        designer.exec();
    }, Help);
    WhileOpen("TRTFPreviewForm", "06-letter-preview", [&] { TRTFPreviewForm::Execute(nullptr, *Table, letter); });
    {
        TPageStream pages;
        TReportFiler job(pages);
        job.SetPaper(1);
        job.OnPrint = [](TBaseReport& report) {
            for (int page = 0; page < 3; ++page) {
                if (page > 0)
                    report.NewPage();
                report.SetFont("Arial", 12);
                for (int line = 0; line < 40; ++line)
                    report.PrintAt(TInches(0.75), TInches(1.0 + 0.22 * line), QStringLiteral("Page %1, line %2").arg(page + 1).arg(line + 1));
            }
        };
        job.Execute();
        WhileOpen("TPreviewForm", "07-report-preview", [&] {
            TPreviewForm preview;
            preview.setWindowTitle("Preview Report");
            preview.SetStream(&pages);
            preview.exec();
        });
    }
    {   // The envelope setup screen: its thumbnail of the whole envelope with its barcodes.
        auto setups = TEnvelopeSetups::Open();
        TEnvelopeSetup setup;
        setup.Description = "Business #10";
        setups->Save(setup, [](const QString& path) {
            TEnvelopePanel panel;
            panel.SetSize(912, 396);
            panel.AddObject(panel.CreateObject(TLPanelState::psAddressLabel), QRect(400, 190, 320, 90));
            panel.AddObject(panel.CreateObject(TLPanelState::psPostNetBarCode), QRect(400, 290, 270, 16));
            panel.AddObject(std::make_unique<TLFIMBarCode>(), QRect(640, 0, 51, 54));
            panel.SaveToFile(path);
        });
        WhileOpen("TQVEnvelopes", "08-envelope-list", [&] {
            if (auto screen = TQVEnvelopes::Create(*Table))
                screen->exec();
        });
    }
    WhileOpen("TDupCheck", "09-duplicates", [&] { TDupCheck::Execute(nullptr, *Table); }, [](QWidget* window) {
        auto* check = static_cast<TDupCheck*>(window);
        check->PerformClick();
    });
    {
        const QString csz = TAddressFiles::SystemTablePath(TSystemTable::stCsz);
        TAddressFiles::CreateSystemTableFile(TAddressSchema::SystemTableDef(TSystemTable::stCsz), csz);
        TStateZipCheck states(*Table);
        states.EditStatesClick();
        states.StateAddButton->click();
        states.StateGrid()->setData(states.StateGrid()->index(0, 1), "NY", Qt::EditRole);
        states.StateGrid()->setData(states.StateGrid()->index(0, 2), "10000", Qt::EditRole);
        states.StateGrid()->setData(states.StateGrid()->index(0, 3), "14999", Qt::EditRole);
        states.EditStatesClick();
    }
    WhileOpen("TStateZipCheck", "10-state-zip", [&] { TStateZipCheck::Execute(nullptr, *Table); }, [](QWidget* window) {
        static_cast<TStateZipCheck*>(window)->PerformClick();
    });
}

} // namespace
