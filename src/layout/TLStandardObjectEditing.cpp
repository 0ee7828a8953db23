#include "TLStandardObjectEditing.h"

#include "TAddressLayout.h"
#include "TFieldSelectionBox.h"
#include "TGetCounter.h"
#include "TGetIMbSettings.h"
#include "TGetLabelText.h"
#include "TGetSymbol.h"
#include "TLCounterLabel.h"
#include "TLDMultiLineAddressLabel.h"
#include "TLDMultiLineLabel.h"
#include "TLDataPanel.h"
#include "TLDateTimeLabel.h"
#include "TLFIMBarCode.h"
#include "TLFont3DEffects.h"
#include "TLIMBarCode.h"
#include "TLImage.h"
#include "TLImageBrowser.h"
#include "TLLabelShapes.h"
#include "TLLineShape.h"
#include "TLMultiLineBaseLabel.h"
#include "TLPDLabel.h"
#include "TLPLabel.h"
#include "TLSymbolLabel.h"
#include "TMultiLineTextEditor.h"

#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"

#include <QActionGroup>
#include <QMenu>

#include <memory>

namespace {

// Builds one object's entries and keeps their ticks and enabling in step with the object: every
// tick is set again each time the menu opens.
class TEntryBuilder {
public:
    TEntryBuilder(QMenu& menu, TLGraphicControl& object)
        : Menu(menu), Object(object), Refreshers(std::make_shared<std::vector<std::function<void()>>>())
    {
        auto refreshers = Refreshers;
        QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&object, refreshers] {
            object.PopupOpening();
            for (const auto& refresh : *refreshers)
                refresh();
        });
    }
    ~TEntryBuilder()
    {
        for (const auto& refresh : *Refreshers)
            refresh();
    }

    void Separator(QMenu* into = nullptr) { (into ? into : &Menu)->addSeparator(); }

    // A command; `run` tells whether it changed the object.
    QAction* Item(const QString& text, std::function<bool()> run, QMenu* into = nullptr)
    {
        TLGraphicControl* object = &Object;
        QAction* action = (into ? into : &Menu)->addAction(text);
        QObject::connect(action, &QAction::triggered, action, [object, run = std::move(run)] {
            if (run())
                object->NotifyChanged();
        });
        return action;
    }

    // A ticked entry that flips a setting.
    QAction* Toggle(const QString& text, std::function<bool()> state, std::function<void(bool)> set,
                    std::function<bool()> enabled = {})
    {
        QAction* action = Item(text, [state, set] {
            set(!state());
            return true;
        });
        action->setCheckable(true);
        Refreshers->push_back([action, state, enabled] {
            action->setChecked(state());
            if (enabled)
                action->setEnabled(enabled());
        });
        return action;
    }

    // Entries of which the current one is ticked (none when `current` gives −1).
    void Choices(QMenu* into, const QStringList& texts, std::function<int()> current, std::function<void(int)> set)
    {
        // One of a kind: shown as radio marks, and none marked for a value the entries lack.
        auto* group = new QActionGroup(into);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        for (int i = 0; i < texts.size(); ++i) {
            QAction* action = Item(texts[i], [set, i] {
                set(i);
                return true;
            }, into);
            action->setCheckable(true);
            group->addAction(action);
            Refreshers->push_back([action, current, i] { action->setChecked(current() == i); });
        }
    }

    QMenu* Submenu(const QString& title, const QStringList& texts, std::function<int()> current,
                   std::function<void(int)> set)
    {
        QMenu* submenu = Menu.addMenu(title);
        Choices(submenu, texts, std::move(current), std::move(set));
        return submenu;
    }

    QMenu& Menu;
    TLGraphicControl& Object;

private:
    std::shared_ptr<std::vector<std::function<void()>>> Refreshers;
};

const QStringList& ThicknessTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (int points = 1; points <= 10; ++points)
            list << QStringLiteral("%1 Point").arg(points);
        return list;
    }();
    return texts;
}

// The menu's alignment entries run left, centre, right; the stored values left, right, centre.
constexpr TAlignment kAlignments[3] = {TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify};

int AlignmentIndex(TAlignment alignment)
{
    return int(std::find(std::begin(kAlignments), std::end(kAlignments), alignment) - std::begin(kAlignments));
}

std::optional<TColor> ChooseColor(TColor current)
{
    const std::optional<QColor> chosen = TUserPrompts::Current().ChooseColor(TLNames::ToQColor(current));
    if (!chosen)
        return std::nullopt;
    return TLNames::FromQColor(*chosen);
}

void AddAlignment(TEntryBuilder& entries, std::function<TAlignment()> current, std::function<void(TAlignment)> set)
{
    entries.Submenu(QStringLiteral("Alignment"), {"Left", "Center", "Right"},
                    [current] { return AlignmentIndex(current()); },
                    [set](int index) { set(kAlignments[index]); });
}

void AddRotation(TEntryBuilder& entries, TLBaseLabel& label)
{
    entries.Separator();
    entries.Submenu(QStringLiteral("Rotation"), {"No Rotation", "90 Degrees", "180 Degrees", "270 Degrees"},
                    [&label] { return label.Angle() % 90 == 0 ? label.Angle() / 90 : -1; },
                    [&label](int index) { label.SetAngle(index * 90); });
}

void AddThickness(TEntryBuilder& entries, TLPen& pen)
{
    entries.Submenu(QStringLiteral("Line Thickness"), ThicknessTexts(),
                    [&pen] { return pen.Width >= 1 && pen.Width <= 10 ? pen.Width - 1 : -1; },
                    [&pen](int index) { pen.Width = index + 1; });
}

} // namespace

TLStandardObjectEditing::TLStandardObjectEditing()
    : RunDialog([](QDialog& dialog) { return dialog.exec() == QDialog::Accepted; })
{
}

bool TLStandardObjectEditing::Run(QDialog& dialog, QWidget* parent)
{
    dialog.adjustSize();
    TWindowPlacement::Centre(&dialog, parent);
    return RunDialog(dialog);
}

// ---- the dialogs

bool TLStandardObjectEditing::EditText(TLPLabel& label, QWidget* parent)
{
    TGetLabelText dialog(label.Caption, parent);
    if (!Run(dialog, parent))
        return false;
    label.SetCaption(dialog.Text());
    label.SizeToText();
    label.NotifyChanged();
    return true;
}

bool TLStandardObjectEditing::EditLines(TLMultiLineLabel& text, QWidget* parent)
{
    TMultiLineTextEditor dialog(text.Items, text.Font.ToQFont(), parent);
    if (!Run(dialog, parent))
        return false;
    text.Items = dialog.Lines();
    text.Rewrap();
    text.NotifyChanged();
    return true;
}

namespace {

template <typename TBound>
bool SelectField(TBound& object, TLBasePanel& panel, bool memo, const std::function<bool(QDialog&)>& run,
                 QWidget* parent)
{
    auto* dataPanel = dynamic_cast<TLDataPanel*>(&panel);
    TFieldSelectionBox dialog(TFieldSelectionBox::Candidates(dataPanel ? dataPanel->DataSet : nullptr, memo),
                              object.DataFieldDescript, parent);
    const bool confirmed = run(dialog);
    const std::optional<TLDataField> field = dialog.Selected();
    if (confirmed && field) {
        object.DataFieldName = field->Name;
        object.DataFieldDescript = field->DisplayLabel;
        object.NotifyChanged();
    }
    panel.RefreshData();
    return confirmed && field;
}

} // namespace

bool TLStandardObjectEditing::EditField(TLBasePanel& panel, TLPDLabel& label, QWidget* parent)
{
    return SelectField(label, panel, false, [this, parent](QDialog& dialog) { return Run(dialog, parent); }, parent);
}

bool TLStandardObjectEditing::EditMemoField(TLBasePanel& panel, TLDMultiLineLabel& memo, QWidget* parent)
{
    return SelectField(memo, panel, true, [this, parent](QDialog& dialog) { return Run(dialog, parent); }, parent);
}

bool TLStandardObjectEditing::EditCounter(TLCounterLabel& counter, QWidget* parent)
{
    TGetCounter dialog(counter, parent);
    if (!Run(dialog, parent))
        return false;
    dialog.ApplyTo(counter);
    counter.SetCaption(counter.CounterText());
    if (counter.Angle() == 0) {
        counter.SetWidth(10);
        counter.SizeToText();
    }
    counter.NotifyChanged();
    return true;
}

bool TLStandardObjectEditing::EditSymbol(TLSymbolLabel& symbol, QWidget* parent)
{
    TGetSymbol dialog(symbol.Font, symbol.Caption, parent);
    if (!Run(dialog, parent) || dialog.Caption().isEmpty())
        return false;
    symbol.Font = dialog.Font();
    symbol.SetCaption(dialog.Caption());
    // The symbol takes the size of its new character.
    symbol.BoundsChanged();
    symbol.NotifyChanged();
    return true;
}

bool TLStandardObjectEditing::Edit3DEffects(TLBaseLabel& label, QWidget* parent)
{
    TLFont3DEffects dialog(label, parent);
    if (!Run(dialog, parent))
        return false;
    dialog.ApplyTo(label);
    label.NotifyChanged();
    return true;
}

bool TLStandardObjectEditing::EditAddressLayout(TLBasePanel& panel, TLDMultiLineAddressLabel& block, QWidget* parent)
{
    TAddressLayout dialog(block, parent);
    if (!Run(dialog, parent))
        return false;
    dialog.ApplyTo(block);
    panel.RefreshData();
    block.NotifyChanged();
    return true;
}

bool TLStandardObjectEditing::LoadImage(TLImage& image, QWidget* parent)
{
    TLImageBrowser dialog(image.Stretch(), image.AutoSize(), parent);
    // A file that could not be read was reported when it was chosen; the object keeps its picture.
    if (!Run(dialog, parent) || dialog.FileName().isEmpty() || dialog.PreviewPicture().Empty())
        return false;
    image.SetPicture(dialog.PreviewPicture());
    image.SetAutoSize(dialog.AutoSize());
    image.NotifyChanged();
    return true;
}

bool TLStandardObjectEditing::EditIMbSettings(TLIMBarCode& barcode, QWidget* parent)
{
    TGetIMbSettings dialog({barcode.BarcodeId, barcode.ServiceTypeId, barcode.MailerId, barcode.SerialStart}, parent);
    if (!Run(dialog, parent))
        return false;
    const TIMbSettings settings = dialog.Settings();
    barcode.BarcodeId = settings.BarcodeId;
    barcode.ServiceTypeId = settings.ServiceTypeId;
    barcode.MailerId = settings.MailerId;
    barcode.SerialStart = settings.SerialStart;
    barcode.NotifyChanged();
    return true;
}

namespace {

// The font dialog on `font`; the font keeps its colour.
bool ChooseFont(TLFont& font)
{
    const std::optional<QFont> chosen = TUserPrompts::Current().ChooseFont(font.DialogFont());
    if (chosen)
        font = TLFont::FromQFont(*chosen, font.Color);
    return chosen.has_value();
}

} // namespace

bool TLStandardObjectEditing::EditFont(TLBaseLabel& label)
{
    if (!ChooseFont(label.Font))
        return false;
    label.MarkStale();
    if (dynamic_cast<TLPLabel*>(&label))
        label.SizeToText();
    label.NotifyChanged();
    return true;
}

bool TLStandardObjectEditing::EditFont(TLMultiLineBaseLabel& text)
{
    if (!ChooseFont(text.Font))
        return false;
    text.ShowData();
    text.Rewrap();
    text.NotifyChanged();
    return true;
}

// ---- the menus

namespace {

struct TMenuContext {
    TLStandardObjectEditing& Editing;
    TLBasePanel& Panel;
    QWidget* Parent;
};

void AddTextEntries(TEntryBuilder& entries, TLBaseLabel& label, bool withFontAndAlignment, const TMenuContext& context)
{
    entries.Separator();
    if (withFontAndAlignment)
        entries.Item(QStringLiteral("Font"), [&label, context] { return context.Editing.EditFont(label); });
    entries.Item(QStringLiteral("3D Effects"), [&label, context] { return context.Editing.Edit3DEffects(label, context.Parent); });
    if (withFontAndAlignment)
        AddAlignment(entries, [&label] { return label.Alignment; }, [&label](TAlignment a) { label.SetAlignment(a); });
    entries.Toggle(QStringLiteral("Transparent"), [&label] { return label.Transparent; }, [&label](bool on) {
        label.Transparent = on;
        label.MarkStale();
    });
    entries.Item(QStringLiteral("Background Color"), [&label] {
        const std::optional<TColor> colour = ChooseColor(label.BackColor);
        if (colour) {
            label.BackColor = *colour;
            label.Transparent = false;
            label.MarkStale();
        }
        return colour.has_value();
    });
    entries.Toggle(QStringLiteral("Border"), [&label] { return label.BorderStyle == TBorderStyle::bsSingle; },
                   [&label](bool on) { label.BorderStyle = on ? TBorderStyle::bsSingle : TBorderStyle::bsNone; });
}

void AddMultiLineEntries(TEntryBuilder& entries, TLMultiLineBaseLabel& text, const TMenuContext& context)
{
    entries.Separator();
    entries.Item(QStringLiteral("Font"), [&text, context] { return context.Editing.EditFont(text); });
    AddAlignment(entries, [&text] { return text.Alignment; }, [&text](TAlignment a) { text.Alignment = a; });
}

void AddWordWrap(TEntryBuilder& entries, TLMultiLineBaseLabel& text)
{
    entries.Toggle(QStringLiteral("Word Wrap"), [&text] { return text.WordWrap(); },
                   [&text](bool on) { text.SetWordWrap(on); });
}

void AddLineEntries(TEntryBuilder& entries, TLLineShape& line)
{
    entries.Separator();
    entries.Submenu(QStringLiteral("Style"), {"Horizontal", "Vertical", "Angled Sloping Up", "Angled Sloping Down"},
                    [&line] { return int(line.LineStyle); }, [&line](int index) { line.LineStyle = TLineStyle(index); });
    entries.Item(QStringLiteral("Color"), [&line] {
        const std::optional<TColor> colour = ChooseColor(line.Pen.Color);
        if (colour)
            line.Pen.Color = *colour;
        return colour.has_value();
    });
    AddThickness(entries, line.Pen);
    entries.Separator();
    entries.Item(QStringLiteral("Stretch To Edges"), [&line] {
        const QRect before = line.BoundsRect();
        line.StretchToEdges();
        return line.BoundsRect() != before;
    });
}

void AddShapeEntries(TEntryBuilder& entries, TLLabelShapes& shape)
{
    entries.Separator();
    entries.Item(QStringLiteral("Background Color"), [&shape] {
        const std::optional<TColor> colour = ChooseColor(shape.Brush.Color);
        if (colour) {
            shape.Brush.Color = *colour;
            shape.SetTransparent(false);
        }
        return colour.has_value();
    });
    entries.Item(QStringLiteral("Line Color"), [&shape] {
        const std::optional<TColor> colour = ChooseColor(shape.Pen.Color);
        if (colour)
            shape.Pen.Color = *colour;
        return colour.has_value();
    });
    AddThickness(entries, shape.Pen);
    entries.Separator();
    entries.Toggle(QStringLiteral("Transparent"), [&shape] { return shape.Transparent(); },
                   [&shape](bool on) { shape.SetTransparent(on); });
    if (shape.Shape != TShapeType::stRoundRect && shape.Shape != TShapeType::stRoundSquare)
        return;
    entries.Separator();
    entries.Submenu(QStringLiteral("Degree of Rounding"), {"20 %", "30 %", "40 %", "50 %", "60 %", "70 %", "80 %"},
                    [&shape] { return shape.RoundPerc % 10 == 0 && shape.RoundPerc >= 20 && shape.RoundPerc <= 80
                                   ? shape.RoundPerc / 10 - 2 : -1; },
                    [&shape](int index) { shape.RoundPerc = 20 + 10 * index; });
}

void AddImageEntries(TEntryBuilder& entries, TLImage& image, const TMenuContext& context)
{
    entries.Separator();
    entries.Item(QStringLiteral("Load Image From Disk"), [&image, context] { return context.Editing.LoadImage(image, context.Parent); });
    entries.Separator();
    entries.Toggle(QStringLiteral("Border"), [&image] { return image.BorderStyle == TBorderStyle::bsSingle; },
                   [&image](bool on) { image.BorderStyle = on ? TBorderStyle::bsSingle : TBorderStyle::bsNone; });
    entries.Toggle(QStringLiteral("Stretch to Fit"), [&image] { return image.Stretch(); },
                   [&image](bool on) { image.SetStretch(on); });
    entries.Toggle(QStringLiteral("AutoSize"), [&image] { return image.AutoSize(); },
                   [&image](bool on) { image.SetAutoSize(on); });
    // Mirroring works on bitmaps only, so a metafile offers neither.
    const auto bitmap = [&image] { return image.Picture.IsBitmap(); };
    entries.Toggle(QStringLiteral("Flip"), [&image] { return image.Flip; }, [&image](bool on) { image.Flip = on; }, bitmap);
    entries.Toggle(QStringLiteral("Reverse"), [&image] { return image.Reverse; }, [&image](bool on) { image.Reverse = on; }, bitmap);
}

void AddIMbEntries(TEntryBuilder& entries, TLIMBarCode& barcode, const TMenuContext& context)
{
    entries.Separator();
    entries.Submenu(QStringLiteral("Routing"),
                    {"No Routing Code", "5-Digit ZIP", "9-Digit ZIP+4", "11-Digit Delivery Point"},
                    [&barcode] { return int(barcode.RoutingType); },
                    [&barcode](int index) { barcode.RoutingType = TIMbRoutingType(index); });
    entries.Item(QStringLiteral("IMb Settings"), [&barcode, context] { return context.Editing.EditIMbSettings(barcode, context.Parent); });
}

} // namespace

// ---- each object kind's row: the set-up step of a new object and its own menu entries

namespace {

using TSetUp = bool (*)(TLGraphicControl& object, const TMenuContext& context);
using TEntries = void (*)(TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& context);

// One row per layout class (TLClassRegistry's class rows); a class without a row has neither a
// set-up step nor entries of its own. A new object is removed again only when its set-up step
// returns false: a data text without a field, a multi-line text without lines, a picture
// without a picture.
struct TEditingRow {
    const char* ClassName;
    TSetUp SetUp;     // nullptr: nothing to set up
    TEntries Entries; // nullptr: the common entries only
};

template <typename T> T& As(TLGraphicControl& object) { return static_cast<T&>(object); }

const TEditingRow kEditingRows[] = {
    {"TLSymbolLabel",
     [](TLGraphicControl& object, const TMenuContext& c) {
         c.Editing.EditSymbol(As<TLSymbolLabel>(object), c.Parent);
         return true;
     },
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* symbol = &As<TLSymbolLabel>(object);
         AddTextEntries(entries, *symbol, false, c);
         entries.Separator();
         entries.Item(QStringLiteral("Symbol Selector"), [c, symbol] { return c.Editing.EditSymbol(*symbol, c.Parent); });
     }},
    {"TLCounterLabel", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* counter = &As<TLCounterLabel>(object);
         AddTextEntries(entries, *counter, true, c);
         entries.Separator();
         entries.Item(QStringLiteral("Counter Settings"), [c, counter] { return c.Editing.EditCounter(*counter, c.Parent); });
         AddRotation(entries, *counter);
     }},
    {"TLPLabel",
     [](TLGraphicControl& object, const TMenuContext& c) {
         c.Editing.EditText(As<TLPLabel>(object), c.Parent);
         return true;
     },
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* label = &As<TLPLabel>(object);
         AddTextEntries(entries, *label, true, c);
         entries.Separator();
         entries.Item(QStringLiteral("Text"), [c, label] { return c.Editing.EditText(*label, c.Parent); });
         AddRotation(entries, *label);
     }},
    {"TLPDLabel",
     [](TLGraphicControl& object, const TMenuContext& c) {
         auto& data = As<TLPDLabel>(object);
         const bool bound = c.Editing.EditField(c.Panel, data, c.Parent);
         data.SizeToText();
         return bound;
     },
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* data = &As<TLPDLabel>(object);
         AddTextEntries(entries, *data, true, c);
         entries.Separator();
         entries.Item(QStringLiteral("Field"), [c, data] { return c.Editing.EditField(c.Panel, *data, c.Parent); });
     }},
    {"TLDateTimeLabel", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* date = &As<TLDateTimeLabel>(object);
         AddTextEntries(entries, *date, true, c);
         entries.Separator();
         entries.Submenu(QStringLiteral("Date Format"), {"No Date", "Windows Short Date", "Windows Long Date"},
                         [date] { return int(date->DateFormat); }, [date](int index) {
                             date->DateFormat = TDateFormat(index);
                             date->MarkStale();
                         });
         entries.Submenu(QStringLiteral("Time Format"), {"No Time", "Windows Short Time", "Windows Long Time"},
                         [date] { return int(date->TimeFormat); }, [date](int index) {
                             date->TimeFormat = TTimeFormat(index);
                             date->MarkStale();
                         });
     }},
    {"TLPageNumberLabel", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         AddTextEntries(entries, As<TLBaseLabel>(object), true, c);
     }},
    {"TLMultiLineLabel",
     [](TLGraphicControl& object, const TMenuContext& c) {
         auto& text = As<TLMultiLineLabel>(object);
         const bool written = c.Editing.EditLines(text, c.Parent);
         text.SizeToText();
         return written;
     },
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* lines = &As<TLMultiLineLabel>(object);
         AddMultiLineEntries(entries, *lines, c);
         entries.Separator();
         entries.Item(QStringLiteral("Text"), [c, lines] { return c.Editing.EditLines(*lines, c.Parent); });
         AddWordWrap(entries, *lines);
     }},
    {"TLDMultiLineLabel", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* memo = &As<TLDMultiLineLabel>(object);
         AddMultiLineEntries(entries, *memo, c);
         entries.Separator();
         entries.Item(QStringLiteral("Memo Field"), [c, memo] { return c.Editing.EditMemoField(c.Panel, *memo, c.Parent); });
         AddWordWrap(entries, *memo);
     }},
    {"TLDMultiLineAddressLabel",
     [](TLGraphicControl& object, const TMenuContext&) {
         As<TLDMultiLineAddressLabel>(object).SizeToText();
         return true;
     },
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) {
         auto* block = &As<TLDMultiLineAddressLabel>(object);
         AddMultiLineEntries(entries, *block, c);
         entries.Separator();
         entries.Item(QStringLiteral("Address Layout"), [c, block] { return c.Editing.EditAddressLayout(c.Panel, *block, c.Parent); });
     }},
    {"TLLineShape", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext&) { AddLineEntries(entries, As<TLLineShape>(object)); }},
    {"TLLabelShapes", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext&) { AddShapeEntries(entries, As<TLLabelShapes>(object)); }},
    {"Trpshapes", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext&) { AddShapeEntries(entries, As<TLLabelShapes>(object)); }},
    {"TLImage",
     [](TLGraphicControl& object, const TMenuContext& c) { return c.Editing.LoadImage(As<TLImage>(object), c.Parent); },
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) { AddImageEntries(entries, As<TLImage>(object), c); }},
    {"TLFIMBarCode", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext&) {
         auto* fim = &As<TLFIMBarCode>(object);
         entries.Separator();
         entries.Choices(&entries.Menu, {"Set FIM to Type A", "Set FIM to Type B", "Set FIM to Type C"},
                         [fim] { return int(fim->FIMType); }, [fim](int index) { fim->FIMType = TFIMBarCodeType(index); });
     }},
    {"TLIMBarCode", nullptr,
     [](TEntryBuilder& entries, TLGraphicControl& object, const TMenuContext& c) { AddIMbEntries(entries, As<TLIMBarCode>(object), c); }},
};

const TEditingRow* RowOf(const TLGraphicControl& object)
{
    const QByteArray name = object.ClassName();
    for (const TEditingRow& row : kEditingRows)
        if (name == row.ClassName)
            return &row;
    return nullptr;
}

} // namespace

bool TLStandardObjectEditing::SetUpNewObject(TLBasePanel& panel, TLGraphicControl& object, QWidget* parent)
{
    const TEditingRow* row = RowOf(object);
    return !row || !row->SetUp || row->SetUp(object, TMenuContext{*this, panel, parent});
}

void TLStandardObjectEditing::AddClassEntries(QMenu& menu, TLBasePanel& panel, TLGraphicControl& object, QWidget* parent)
{
    TEntryBuilder entries(menu, object);
    if (const TEditingRow* row = RowOf(object); row && row->Entries)
        row->Entries(entries, object, TMenuContext{*this, panel, parent});
}
