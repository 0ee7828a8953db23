// The reusable designer component that the label, envelope and report design screens embed:
// one or more design panels (a report has three bands) in a scroll area, a tool palette filled
// from the kind of panel, the grid and field-name toggles, a zoom spinner with a range the host
// sets, the record buttons, the selection frame with its mouse and keyboard editing, the panel
// and object menus, the layout clipboard and undo/redo. Hosts add their own menus and buttons
// (to CommandBar() or around the component) and listen to the signals.
//
// The panels are the host's (not owned); each gets a TLDesignView. The designer takes over the
// panels' LabelChangedEvent (listen to Changed instead). The object dialogs and each class's
// own menu entries come from a TLObjectEditing service; without one, new objects keep their
// defaults and object menus show the common entries only.
#pragma once

#include "TLBasePanel.h"
#include "TLClassRegistry.h"
#include "TLPanelEditing.h"
#include "TLUndoHistory.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QScrollArea;
class QSpinBox;
class QToolBar;
class QVBoxLayout;
class TLDesignView;
class TLHandle;
class TLObjectEditing;

enum class TLRecordStep { First, Previous, Next, Last };

class TLayoutDesigner : public QWidget {
    Q_OBJECT
public:
    explicit TLayoutDesigner(TLDesignerKind kind, QWidget* parent = nullptr);
    ~TLayoutDesigner() override;

    TLDesignerKind Kind() const { return DesignerKind; }

    // ---- panels
    // Adds a panel below the ones added before (a label or envelope panel for those kinds, a
    // report band panel for reports). Returns its view.
    TLDesignView* AddPanel(TLBasePanel& panel);
    // A widget of the host's placed below the panels added so far (a band's caption bar).
    void AddWidget(QWidget* widget);
    int PanelCount() const { return int(Views.size()); }
    TLBasePanel& Panel(int index) const;
    TLDesignView* View(int index) const { return Views.at(size_t(index)); }
    TLHandle& Handle(int index) const;
    // After the host loaded or cleared a layout: views resized, selections checked, undo
    // history started afresh. After a size change alone, View(i)->Fit() keeps the history.
    void PanelsReset();
    QScrollArea* ScrollArea() const { return Scroller; }

    // ---- services
    void SetObjectEditing(TLObjectEditing* editing) { Editing = editing; }
    TLObjectEditing* ObjectEditing() const { return Editing; }
    // Moves the host's current record; false when it did not move. Without one the record
    // buttons do nothing.
    void SetRecordMover(std::function<bool(TLRecordStep)> mover) { RecordMover = std::move(mover); }

    // ---- tools
    QStringList ToolCaptions() const;
    int Tool() const { return CurrentTool; }
    void SetTool(int index);
    void SetTool(const QString& caption);
    // After an object was drawn the palette goes back to "Selection tool" (on by default).
    bool ReturnToSelectionAfterDrop = true;

    // ---- toggles and zoom
    bool ShowGrid() const;
    void SetShowGrid(bool on);
    bool SnapToGrid() const;
    void SetSnapToGrid(bool on);
    void SetGridSize(TGridSize size);
    void SetShowFieldNames(bool on);
    // Zoom in whole percent, in steps of 10 within the host's range (40-160 for labels).
    void SetZoomRange(int minimumPercent, int maximumPercent);
    int ZoomPercent() const { return Zoom; }
    void SetZoomPercent(int percent);
    void ZoomIn();
    void ZoomOut();
    QString ZoomCaption() const;
    // The largest zoom step, at most 100 % and within the range, at which the first panel fits
    // the scroll area as it is now laid out.
    int ZoomToFitWindow() const;
    void FitToWindow() { SetZoomPercent(ZoomToFitWindow()); }

    // ---- records
    void MoveRecord(TLRecordStep step);

    // ---- editing
    // The view whose panel has the focus (the last one clicked), never null once a panel was added.
    TLDesignView* ActiveView() const;
    // Records an undo step if the layout changed since the last one.
    void Commit();
    bool CanUndo() const { return History.CanUndo(); }
    bool CanRedo() const { return History.CanRedo(); }
    void Undo();
    void Redo();
    // The menus as they open at `where` (global); null when there is none. They delete
    // themselves on closing.
    QMenu* OpenPanelMenu(TLDesignView& view, QPoint where);
    QMenu* OpenObjectMenu(TLDesignView& view, TLGraphicControl& object, QPoint where);
    QMenu* CurrentMenu() const { return Menu; }
    // The clipboard commands of the keys and menus, with the messages of a failed file.
    void ClipboardCommand(TLDesignView& view, TLClipboardAction action, TLGraphicControl* target = nullptr);
    // Ends a drawing drag on `view`: creates the tool's object in `rect` with its set-up.
    void DropOn(TLDesignView& view, const QRect& rect);
    // Page Up/Down, Home, End scroll; keypad + and - zoom. True when the key was used.
    bool DesignerKey(int key, Qt::KeyboardModifiers modifiers);

    QToolBar* Palette() const { return ToolBar; }
    // The bar with the toggles, zoom and record buttons; hosts may add their own actions.
    QToolBar* CommandBar() const { return Commands; }
    QSpinBox* ZoomSpinner() const { return ZoomBox; }

signals:
    // The layout changed (hosts show "Save").
    void Changed();
    void ToolChanged(int index);
    void ZoomChanged(int percent);
    void SelectionChanged();
    void ObjectDropped(TLBasePanel* panel, const QRect& rect);
    // A double-click on a panel's background.
    void PanelDoubleClicked(TLBasePanel* panel);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct TTool {
        QString Caption;
        int State;
    };
    static std::vector<TTool> ToolsOf(TLDesignerKind kind);
    void ApplyTool(TLBasePanel& panel) const;
    void BuildBars();
    void AddCommonObjectEntries(QMenu& menu, TLDesignView& view, TLGraphicControl& object);
    QMenu* Popup(QMenu* menu, QPoint where);
    void Refresh();
    void PanelChanged();
    void SettleNewObject(TLBasePanel& panel, TLGraphicControl& object);
    void ChooseFont(TLDesignView& view);

    TLDesignerKind DesignerKind;
    std::vector<TTool> Tools;
    std::vector<TLDesignView*> Views;
    TLObjectEditing* Editing = nullptr;
    std::function<bool(TLRecordStep)> RecordMover;
    TLUndoHistory History;
    int CurrentTool = 0;
    int Zoom = 100;
    int ZoomMinimum = 40;
    int ZoomMaximum = 160;
    QPointer<QMenu> Menu;
    TLDesignView* Active = nullptr;
    bool ForwardingKey = false;

    QScrollArea* Scroller = nullptr;
    QWidget* Column = nullptr;
    QVBoxLayout* ColumnLayout = nullptr;
    QToolBar* ToolBar = nullptr;
    QToolBar* Commands = nullptr;
    QActionGroup* ToolGroup = nullptr;
    QAction* GridAction = nullptr;
    QAction* SnapAction = nullptr;
    QAction* FieldNamesAction = nullptr;
    QSpinBox* ZoomBox = nullptr;
};
