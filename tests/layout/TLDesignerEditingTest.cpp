// The designer's editing commands: clipboard, clone, Select All, the panel and object menus with
// their enabling, the selection's font, and undo/redo.
#include "DesignerFixture.h"

#include "layout/TLPLabel.h"
#include "layout/TLSymbolLabel.h"

#include "prompts/TScriptedUserPrompts.h"

#include <QFile>

namespace {

using TLDesignerEditingTest = DesignerFixture;

QStringList Captions(QMenu* menu)
{
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

TEST_F(TLDesignerEditingTest, CopyAndPasteShiftRenameAndIgnoreARepeatWithinASecond)
{
    TLGraphicControl* a = AddBox({10, 20, 40, 20});
    TLGraphicControl* b = AddBox({60, 20, 40, 20});
    a->Name = QStringLiteral("Component0");
    Frame().Select(b);
    Frame().Select(a);
    View->setFocus();
    Key(Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(TLPanelEditing::ClipboardFile()));
    Key(Qt::Key_V, Qt::ControlModifier);
    Now += 999;
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Panel.Objects().size(), 4u) << "the second paste within a second is ignored";
    // Copied in selection order: b first, then a.
    EXPECT_EQ(Panel.Objects()[2]->BoundsRect(), QRect(75, 35, 40, 20));
    EXPECT_EQ(Panel.Objects()[3]->BoundsRect(), QRect(25, 35, 40, 20));
    EXPECT_EQ(Panel.Objects()[2]->Name, QStringLiteral("Component1"));
    EXPECT_EQ(Panel.Objects()[3]->Name, QStringLiteral("Component2"));
    Now += 2;
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Panel.Objects().size(), 6u);
}

TEST_F(TLDesignerEditingTest, TheClipboardOutlivesPanelsAndReachesAnotherPanel)
{
    Frame().Select(AddBox({10, 20, 40, 20}));
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(Panel.Objects().empty());
    EXPECT_FALSE(Frame().Visible());
    {
        TLLabelPanel hidden; // a print run's or a thumbnail's panel comes and goes
        hidden.LoadFromFile(TLPanelEditing::ClipboardFile());
    }
    ASSERT_TRUE(TLPanelEditing::ClipboardHasContent());

    TLLabelPanel other;
    TLDesignView* second = Designer->AddPanel(other);
    Key(Qt::Key_V, Qt::ControlModifier, second);
    ASSERT_EQ(other.Objects().size(), 1u);
    EXPECT_EQ(other.Objects()[0]->BoundsRect(), QRect(25, 35, 40, 20));
}

TEST_F(TLDesignerEditingTest, DeleteAndTheObjectMenuActOnTheSelectionOrOnTheObjectAlone)
{
    TLGraphicControl* a = AddBox({10, 10, 40, 20});
    TLGraphicControl* b = AddBox({60, 10, 40, 20});
    TLGraphicControl* c = AddBox({110, 10, 40, 20});
    Frame().Select(a);
    Frame().Select(b);
    // The menu of an unselected object deletes just that object.
    Designer->OpenObjectMenu(*View, *c, View->mapToGlobal(QPoint(120, 20)));
    Entry(QStringLiteral("Delete"))->trigger();
    EXPECT_EQ(Panel.Objects().size(), 2u);
    EXPECT_EQ(Frame().Count(), 2);
    // The menu of a selected one deletes the selection.
    Designer->OpenObjectMenu(*View, *a, View->mapToGlobal(QPoint(20, 20)));
    Entry(QStringLiteral("Delete"))->trigger();
    EXPECT_TRUE(Panel.Objects().empty());
    EXPECT_FALSE(Frame().Visible());
}

TEST_F(TLDesignerEditingTest, CloneLandsTwentyFivePixelsDownInFrontAndTakesTheSelection)
{
    TLGraphicControl* source = AddBox({40, 60, 40, 20});
    AddBox({0, 0, 10, 10});
    Frame().Select(source);
    TLGraphicControl* copy = TLPanelEditing::Clone(Frame(), *source);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BoundsRect(), QRect(40, 85, 40, 20));
    EXPECT_EQ(Panel.Objects().back().get(), copy);
    EXPECT_EQ(Frame().Selection(), std::vector{copy});
}

TEST_F(TLDesignerEditingTest, PanelMenuEntriesInOrderWithTheirEnabling)
{
    RightClick({200, 150});
    QMenu* menu = Designer->CurrentMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Captions(menu), (QStringList{"Undo", "Redo", "-", "Bring To Front", "Send To Back", "-", "Cut", "Copy",
                                           "Paste", "-", "Delete", "-", "Align Left", "Align Right", "Align Tops",
                                           "Align Bottoms", "-", "Center Vertically", "Center Horizontally", "-",
                                           "Lock All", "Unlock All", "-", "Mark All Selectable",
                                           "Mark All Unselectable", "Select All", "-", "Font"}));
    QStringList enabled;
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && action->isEnabled())
            enabled << action->text();
    EXPECT_EQ(enabled, (QStringList{"Mark All Selectable", "Mark All Unselectable", "Select All"}));
    menu->close();

    TLGraphicControl* a = AddBox({10, 10, 40, 20});
    Frame().Select(a);
    RightClick({200, 150});
    for (const char* caption : {"Undo", "Bring To Front", "Cut", "Align Left", "Lock All", "Font"})
        EXPECT_TRUE(Entry(QString::fromLatin1(caption))->isEnabled()) << caption;
    EXPECT_FALSE(Entry(QStringLiteral("Paste"))->isEnabled()) << "no clipboard file yet";
}

TEST_F(TLDesignerEditingTest, PanelMenuCommandsArrangeTheSelection)
{
    TLGraphicControl* a = AddBox({10, 10, 40, 20});
    TLGraphicControl* b = AddBox({60, 30, 20, 30});
    struct TCase {
        const char* Entry;
        QRect A, B;
    };
    const TCase cases[] = {
        {"Align Left", {10, 10, 40, 20}, {10, 30, 20, 30}},
        {"Align Right", {40, 10, 40, 20}, {60, 30, 20, 30}},
        {"Align Tops", {10, 10, 40, 20}, {60, 10, 20, 30}},
        {"Align Bottoms", {10, 40, 40, 20}, {60, 30, 20, 30}},
        {"Center Vertically", {10, 90, 40, 20}, {60, 85, 20, 30}},
        {"Center Horizontally", {130, 10, 40, 20}, {140, 30, 20, 30}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Entry);
        a->SetBounds(10, 10, 40, 20);
        b->SetBounds(60, 30, 20, 30);
        Frame().ClearSelection();
        Frame().Select(a);
        Frame().Select(b);
        Designer->OpenPanelMenu(*View, {});
        Entry(QString::fromLatin1(c.Entry))->trigger();
        EXPECT_EQ(a->BoundsRect(), c.A);
        EXPECT_EQ(b->BoundsRect(), c.B);
    }
    // Z-order: print order follows the child order.
    Frame().ClearSelection();
    Frame().Select(a);
    Designer->OpenPanelMenu(*View, {});
    Entry(QStringLiteral("Bring To Front"))->trigger();
    EXPECT_EQ(Panel.Objects().back().get(), a);
    Designer->OpenPanelMenu(*View, {});
    Entry(QStringLiteral("Send To Back"))->trigger();
    EXPECT_EQ(Panel.Objects().front().get(), a);
    EXPECT_FALSE(Frame().Visible());

    Designer->OpenPanelMenu(*View, {});
    Entry(QStringLiteral("Lock All"))->trigger();
    EXPECT_TRUE(a->Locked && b->Locked);
    Designer->OpenPanelMenu(*View, {});
    Entry(QStringLiteral("Mark All Unselectable"))->trigger();
    Designer->OpenPanelMenu(*View, {});
    Entry(QStringLiteral("Select All"))->trigger();
    EXPECT_FALSE(Frame().Visible()) << "Select All skips unselectable objects";
    Designer->OpenPanelMenu(*View, {});
    Entry(QStringLiteral("Mark All Selectable"))->trigger();
    TLPanelEditing::SelectAll(Frame());
    EXPECT_EQ(Frame().Count(), 2);
}

TEST_F(TLDesignerEditingTest, ObjectMenuCommonEntriesThenTheClassEntries)
{
    TLGraphicControl* a = AddBox({10, 10, 40, 20});
    a->Locked = true;
    RightClick({20, 20});
    QMenu* menu = Designer->CurrentMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Captions(menu), (QStringList{"Bring To Front", "Send To Back", "Cut", "Copy", "Delete", "Clone", "-",
                                           "Locked", "Unselectable", "-", "Center Vertically",
                                           "Center Horizontally", "Class entry"}));
    EXPECT_TRUE(Entry(QStringLiteral("Locked"))->isChecked());
    Entry(QStringLiteral("Locked"))->trigger();
    EXPECT_FALSE(a->Locked);
    // A class entry's change is one undo step.
    RightClick({20, 20});
    Entry(QStringLiteral("Class entry"))->trigger();
    EXPECT_EQ(a->Hint, QStringLiteral("class entry ran"));
    Designer->Undo();
    EXPECT_TRUE(Panel.Objects()[0]->Hint.isEmpty());
    RightClick({20, 20});
    Entry(QStringLiteral("Unselectable"))->trigger();
    EXPECT_TRUE(Panel.Objects()[0]->Unselectable);
    EXPECT_FALSE(Frame().Visible());
}

TEST_F(TLDesignerEditingTest, TheSelectionsFontReachesTextsButNotSymbols)
{
    TScriptedUserPrompts prompts;
    auto* text = static_cast<TLPLabel*>(Panel.AddObject(Panel.CreateObject(TLPanelState::psLabel), {10, 10, 60, 20}));
    auto* symbol = static_cast<TLSymbolLabel*>(Panel.AddObject(std::make_unique<TLSymbolLabel>(), {100, 10, 30, 30}));
    const TLFont symbolFont = symbol->Font;
    TLPanelEditing::SelectAll(Frame());
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(14);
    chosen.setBold(true);
    prompts.Answer(chosen);
    Designer->OpenPanelMenu(*View, {});
    Entry(QStringLiteral("Font"))->trigger();
    EXPECT_EQ(text->Font.Name, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(text->Font.PointSize(), 14);
    EXPECT_EQ(text->Font.Style, unsigned(fsBold));
    EXPECT_EQ(symbol->Font, symbolFont);
    EXPECT_TRUE(Designer->CanUndo());
}

TEST_F(TLDesignerEditingTest, UndoAndRedoWalkThroughTheEdits)
{
    TLGraphicControl* box = Draw(QStringLiteral("Rectangle tool"), {10, 10}, {60, 40});
    ASSERT_NE(box, nullptr);
    const QString name = box->Name;
    Frame().Select(box);
    Drag({30, 20}, {50, 40});                     // move by 20, 20
    Key(Qt::Key_Delete);
    EXPECT_TRUE(Panel.Objects().empty());

    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Panel.Objects().size(), 1u);
    EXPECT_EQ(Panel.Objects()[0]->BoundsRect(), QRect(30, 30, 50, 30));
    EXPECT_EQ(Panel.Objects()[0]->Name, name) << "undo keeps the names";
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Panel.Objects()[0]->BoundsRect(), QRect(10, 10, 50, 30));
    EXPECT_EQ(Panel.Objects()[0]->Tag, 7) << "the set-up belongs to the drawing step";
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Panel.Objects().empty());
    EXPECT_FALSE(Designer->CanUndo());
    Key(Qt::Key_Y, Qt::ControlModifier);
    Key(Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(Panel.Objects().size(), 1u);
    EXPECT_EQ(Panel.Objects()[0]->BoundsRect(), QRect(30, 30, 50, 30));

    // A new edit drops what could be redone; at least 20 steps are kept.
    Panel.DeleteAllObjects();
    Frame().ClearSelection();
    Designer->Commit();
    EXPECT_FALSE(Designer->CanRedo());
    for (int i = 0; i < 25; ++i)
        AddBox({i * 10, 0, 10, 10});
    for (int i = 0; i < 25; ++i)
        Designer->Undo();
    EXPECT_TRUE(Panel.Objects().empty());
    RightClick({200, 150});
    EXPECT_TRUE(Entry(QStringLiteral("Undo"))->isEnabled());
}

} // namespace
