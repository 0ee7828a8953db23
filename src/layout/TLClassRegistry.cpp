#include "TLClassRegistry.h"

#include "TLFIMBarCode.h"
#include "TLLabelPanel.h"
#include "TReportPanel.h"
#include "TLIMBarCode.h"
#include "TLPostNetBarCode.h"
#include "TLCounterLabel.h"
#include "TLDMultiLineAddressLabel.h"
#include "TLDMultiLineLabel.h"
#include "TLDateTimeLabel.h"
#include "TLImage.h"
#include "TLLabelShapes.h"
#include "TLLineShape.h"
#include "TLPDLabel.h"
#include "TLPLabel.h"
#include "TLPageNumberLabel.h"
#include "TLSymbolLabel.h"

#include <algorithm>
#include <utility>

namespace {

using TFactory = std::unique_ptr<TLGraphicControl> (*)();

template <typename T> std::unique_ptr<TLGraphicControl> Make() { return std::make_unique<T>(); }

const std::pair<const char*, TFactory> kClasses[] = {
    {"TLLineShape", Make<TLLineShape>},
    {"TLPostNetBarCode", Make<TLPostNetBarCode>},
    {"TLIMBarCode", Make<TLIMBarCode>},
    {"TLFIMBarCode", Make<TLFIMBarCode>},
    {"TLImage", Make<TLImage>},
    {"TLLabelShapes", Make<TLLabelShapes>},
    {"Trpshapes", Make<Trpshapes>},
    {"TLPLabel", Make<TLPLabel>},
    {"TLPDLabel", Make<TLPDLabel>},
    {"TLCounterLabel", Make<TLCounterLabel>},
    {"TLSymbolLabel", Make<TLSymbolLabel>},
    {"TLDateTimeLabel", Make<TLDateTimeLabel>},
    {"TLPageNumberLabel", Make<TLPageNumberLabel>},
    {"TLMultiLineLabel", Make<TLMultiLineLabel>},
    {"TLDMultiLineLabel", Make<TLDMultiLineLabel>},
    {"TLDMultiLineAddressLabel", Make<TLDMultiLineAddressLabel>},
};


// ---- new objects, as each tool draws them

template <typename T> std::unique_ptr<TLGraphicControl> Plain(const TLFont&) { return std::make_unique<T>(); }

template <typename T> std::unique_ptr<TLGraphicControl> WithFont(const TLFont& font)
{
    auto object = std::make_unique<T>();
    object->Font = font;
    return object;
}

std::unique_ptr<TLGraphicControl> NewText(const TLFont& font)
{
    auto label = std::make_unique<TLPLabel>();
    label->SetCaption(QStringLiteral("<text>"));
    label->Font = font;
    return label;
}

std::unique_ptr<TLGraphicControl> NewCounter(const TLFont& font)
{
    auto counter = std::make_unique<TLCounterLabel>();
    counter->SetStartingnumber(1000);
    counter->Font = font;
    return counter;
}

std::unique_ptr<TLGraphicControl> NewField(const TLFont& font)
{
    auto data = std::make_unique<TLPDLabel>();
    data->DataFieldName = QStringLiteral("<field>");
    data->Font = font;
    return data;
}

std::unique_ptr<TLGraphicControl> NewMemoField(const TLFont& font)
{
    auto memo = std::make_unique<TLDMultiLineLabel>();
    memo->DataFieldName = QStringLiteral("Memo");
    memo->DataFieldDescript = QStringLiteral("MEMO");
    memo->Font = font;
    return memo;
}

std::unique_ptr<TLGraphicControl> NewAddress(const TLFont& font)
{
    auto address = std::make_unique<TLDMultiLineAddressLabel>();
    address->Font = font;
    address->ShrinkToFit = true; // a long address prints smaller rather than cut
    return address;
}

template <typename TShapes, TShapeType type> std::unique_ptr<TLGraphicControl> NewShape(const TLFont&)
{
    auto shape = std::make_unique<TShapes>();
    shape->Shape = type;
    return shape;
}

std::unique_ptr<TLGraphicControl> NewUprightLine(const TLFont&)
{
    auto line = std::make_unique<TLLineShape>();
    line->LineStyle = TLineStyle::stVertical;
    return line;
}

std::unique_ptr<TLGraphicControl> NewPostNet(const TLFont&)
{
    auto barcode = std::make_unique<TLPostNetBarCode>();
    barcode->ZipCodeField = QStringLiteral("ZIP");
    barcode->AddressField = QStringLiteral("STREET");
    return barcode;
}

// ---- the tools

constexpr int Header = 1 << int(TRPanelKind::rpkHeader);
constexpr int Detail = 1 << int(TRPanelKind::rpkDetail);
constexpr int Memo = 1 << int(TRPanelKind::rpkMemo);
constexpr int Footer = 1 << int(TRPanelKind::rpkFooter);

using L = TLPanelState;
using R = TRPanelState;
constexpr TLToolFamily kLabel = TLToolFamily::Label;
constexpr TLToolFamily kReport = TLToolFamily::Report;

// Family, state, caption, label / envelope / report palette places, new object[, bands, refusal].
const TLToolRow kTools[] = {
    {kLabel, int(L::psPointing), "Selection tool", 1, 1, 0, nullptr},
    {kLabel, int(L::psLabel), "Text tool", 2, 2, 0, NewText},
    {kLabel, int(L::psMultiLineLabel), "Multi-line text tool", 3, 3, 0, WithFont<TLMultiLineLabel>},
    {kLabel, int(L::psCounterLabel), "Counter tool", 4, 0, 0, NewCounter},
    {kLabel, int(L::psSymbolLabel), "Symbol tool", 5, 0, 0, Plain<TLSymbolLabel>},
    {kLabel, int(L::psRectangle), "Rectangle tool", 6, 4, 0, NewShape<TLLabelShapes, TShapeType::stRectangle>},
    {kLabel, int(L::psEllipse), "Ellipse tool", 7, 5, 0, NewShape<TLLabelShapes, TShapeType::stEllipse>},
    {kLabel, int(L::psRoundRectangle), "Round Rectangle tool", 8, 6, 0, NewShape<TLLabelShapes, TShapeType::stRoundRect>},
    {kLabel, int(L::psLine), "Line Tool", 9, 7, 0, NewUprightLine},
    {kLabel, int(L::psImage), "Clip Art Tool", 10, 8, 0, Plain<TLImage>},
    {kLabel, int(L::psPostNetBarCode), "Postnet Barcode tool", 11, 9, 0, NewPostNet},
    {kLabel, int(L::psDataLabel), "Database Field tool", 12, 10, 0, NewField},
    {kLabel, int(L::psMultiLineDataLabel), "Database Memo Field tool", 13, 0, 0, NewMemoField},
    {kLabel, int(L::psAddressLabel), "Database Mailing Address tool", 14, 11, 0, NewAddress},
    {kLabel, TLToolRow::NoState, "FIM Barcode tool", 0, 12, 0, Plain<TLFIMBarCode>},

    {kReport, int(R::psPointing), "Selection tool", 0, 0, 1, nullptr},
    {kReport, int(R::psLabel), "Text tool", 0, 0, 2, NewText},
    {kReport, int(R::psLine), "Line Tool", 0, 0, 3, Plain<TLLineShape>},
    {kReport, int(R::psImage), "Clip Art Tool", 0, 0, 4, Plain<TLImage>, Header,
     "This object may only be used in the header band"},
    {kReport, int(R::psDataLabel), "Database Field tool", 0, 0, 5, NewField, Detail,
     "This object may only be used in the detail band"},
    {kReport, int(R::psDateTime), "Date Time Tool", 0, 0, 6, WithFont<TLDateTimeLabel>, Header | Footer,
     "This object may only be used in the header or footer bands"},
    {kReport, int(R::psPageNumber), "Page Number Tool", 0, 0, 7, WithFont<TLPageNumberLabel>, Header | Footer,
     "This object may only be used in the header or footer bands"},
    {kReport, int(R::psSymbolLabel), "Symbol tool", 0, 0, 8, Plain<TLSymbolLabel>},
    {kReport, int(R::psRectangle), "Rectangle tool", 0, 0, 9, NewShape<Trpshapes, TShapeType::stRectangle>},
    {kReport, int(R::psEllipse), "Ellipse tool", 0, 0, 10, NewShape<Trpshapes, TShapeType::stEllipse>},
    {kReport, int(R::psRoundRectangle), "Round Rectangle tool", 0, 0, 11, NewShape<Trpshapes, TShapeType::stRoundRect>},
    // The memo band's field: drawn in the memo band only, offered by no palette.
    {kReport, int(R::psMultiLineDataLabel), "Database Memo Field tool", 0, 0, 0, NewMemoField, Memo,
     "This object may only be used in the memo band"},
};

int SlotOf(const TLToolRow& row, TLDesignerKind kind)
{
    switch (kind) {
    case TLDesignerKind::Label: return row.LabelSlot;
    case TLDesignerKind::Envelope: return row.EnvelopeSlot;
    case TLDesignerKind::Report: return row.ReportSlot;
    }
    return 0;
}

} // namespace

std::unique_ptr<TLGraphicControl> TLClassRegistry::Create(const QByteArray& className)
{
    // Class names are matched without regard to case, as the stream's own names are.
    for (const auto& [name, factory] : kClasses)
        if (className.compare(name, Qt::CaseInsensitive) == 0)
            return factory();
    return nullptr;
}

QStringList TLClassRegistry::ClassNames()
{
    QStringList names;
    for (const auto& entry : kClasses)
        names << QString::fromLatin1(entry.first);
    return names;
}

std::vector<const TLToolRow*> TLClassRegistry::Palette(TLDesignerKind kind)
{
    std::vector<const TLToolRow*> palette;
    for (const TLToolRow& row : kTools)
        if (SlotOf(row, kind) > 0)
            palette.push_back(&row);
    std::stable_sort(palette.begin(), palette.end(),
                     [kind](const TLToolRow* a, const TLToolRow* b) { return SlotOf(*a, kind) < SlotOf(*b, kind); });
    return palette;
}

const TLToolRow* TLClassRegistry::Tool(TLToolFamily family, int state)
{
    for (const TLToolRow& row : kTools)
        if (row.Family == family && row.State == state)
            return &row;
    return nullptr;
}

std::unique_ptr<TLGraphicControl> TLClassRegistry::CreateForTool(TLToolFamily family, int state, const TLFont& panelFont)
{
    const TLToolRow* row = Tool(family, state);
    return row && row->Create ? row->Create(panelFont) : nullptr;
}
