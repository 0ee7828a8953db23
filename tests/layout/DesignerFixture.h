// A label designer on screen (offscreen) with one 300 × 200 panel at 100 %, a clock the test
// moves by hand, a clipboard file of its own, and mouse and key helpers that send real events
// to the panel's view.
#pragma once

#include "layout/TLDesignView.h"
#include "layout/TEnvelopePanel.h"
#include "layout/TLLabelPanel.h"
#include "layout/TReportPanel.h"
#include "layout/TLObjectEditing.h"
#include "layout/TLPanelEditing.h"
#include "layout/TLayoutDesigner.h"

#include "settings/TScreenMetrics.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// Stands in for the object dialogs: records what it was asked and answers as told.
class TFakeObjectEditing : public TLObjectEditing {
public:
    bool Accept = true;
    QStringList SetUp;   // class names of the objects set up
    int MenusAsked = 0;
    bool SetUpNewObject(TLBasePanel&, TLGraphicControl& object, QWidget*) override
    {
        SetUp << QString::fromLatin1(object.ClassName());
        object.Tag = 7; // a change the designer must keep (and undo as part of the drop)
        return Accept;
    }
    void AddClassEntries(QMenu& menu, TLBasePanel&, TLGraphicControl& object, QWidget*) override
    {
        ++MenusAsked;
        menu.addAction(QStringLiteral("Class entry"), [&object] { object.Hint = QStringLiteral("class entry ran"); });
    }
};

// The frame's clock, moved by hand while a test runs.
struct TTestClock {
    qint64 Now = 1'000'000;
    std::function<qint64()> Saved = TLHandle::Clock();
    TTestClock() { TLHandle::Clock() = [this] { return Now; }; }
    ~TTestClock() { TLHandle::Clock() = Saved; }
    TTestClock(const TTestClock&) = delete;
    TTestClock& operator=(const TTestClock&) = delete;
};

class DesignerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TScreenMetrics::SetPixelsPerInch(96);
        TLPanelEditing::SetClipboardFile(Folder.filePath(QStringLiteral("Clipbrd.tmp")));
        Panel.SetSize(300, 200);
        Designer = std::make_unique<TLayoutDesigner>(TLDesignerKind::Label);
        Designer->SetObjectEditing(&Editing);
        View = Designer->AddPanel(Panel);
        QObject::connect(Designer.get(), &TLayoutDesigner::Changed, [this] { ++ChangedCount; });
        Designer->resize(900, 600);
        Designer->show();
    }
    void TearDown() override { Designer.reset(); }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = {}, TLDesignView* view = nullptr)
    {
        view = view ? view : View;
        QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, modifiers);
        QApplication::sendEvent(view, &event);
    }
    // A left drag from `from` to `to` held for `ms` milliseconds.
    void Drag(QPoint from, QPoint to, int ms = 300, Qt::KeyboardModifiers modifiers = {}, TLDesignView* view = nullptr)
    {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers, view);
        Now += ms / 2;
        Send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton, modifiers, view);
        Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, modifiers, view);
        Now += ms - ms / 2;
        Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, modifiers, view);
        Now += 2000;
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}, TLDesignView* view = nullptr)
    {
        Drag(at, at, 50, modifiers, view);
    }
    void RightClick(QPoint at, TLDesignView* view = nullptr)
    {
        Send(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton, {}, view);
        Send(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton, {}, view);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}, TLDesignView* view = nullptr)
    {
        QTest::keyClick(view ? view : View, Qt::Key(key), modifiers);
    }
    // Draws with the tool of `caption` from `from` to `to`; returns the object made.
    TLGraphicControl* Draw(const QString& caption, QPoint from, QPoint to)
    {
        Designer->SetTool(caption);
        const size_t before = Panel.Objects().size();
        Drag(from, to);
        return Panel.Objects().size() > before ? Panel.Objects().back().get() : nullptr;
    }
    TLGraphicControl* AddBox(QRect rect)
    {
        TLGraphicControl* box = Panel.AddObject(Panel.CreateObject(TLPanelState::psRectangle), rect);
        Designer->Commit();
        return box;
    }
    TLHandle& Frame() { return View->Handle(); }
    // The entries of the open menu: caption -> action (separators skipped).
    QAction* Entry(const QString& caption)
    {
        QMenu* menu = Designer->CurrentMenu();
        if (!menu)
            return nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    QTemporaryDir Folder;
    TTestClock Clock;
    qint64& Now = Clock.Now;
    TFakeObjectEditing Editing;
    TLLabelPanel Panel;
    std::unique_ptr<TLayoutDesigner> Designer;
    TLDesignView* View = nullptr;
    int ChangedCount = 0;
};
