// The registry's rows: every tool on a palette draws an object of a class the reader knows, and
// the palettes stand in the order the designers have always shown.
#include "layout/TLClassRegistry.h"
#include "layout/TLFont.h"

#include <gtest/gtest.h>

TEST(TLClassRegistry, EveryToolDrawsAClassTheReaderKnows)
{
    for (TLDesignerKind kind : {TLDesignerKind::Label, TLDesignerKind::Envelope, TLDesignerKind::Report}) {
        const std::vector<const TLToolRow*> palette = TLClassRegistry::Palette(kind);
        ASSERT_FALSE(palette.empty());
        EXPECT_EQ(QString::fromLatin1(palette.front()->Caption), QStringLiteral("Selection tool"));
        EXPECT_EQ(palette.front()->Create, nullptr);
        for (size_t i = 1; i < palette.size(); ++i) {
            const std::unique_ptr<TLGraphicControl> object = palette[i]->Create(TLFont());
            ASSERT_NE(object, nullptr) << palette[i]->Caption;
            EXPECT_NE(TLClassRegistry::Create(object->ClassName()), nullptr) << palette[i]->Caption;
            EXPECT_EQ(TLClassRegistry::Tool(palette[i]->Family, palette[i]->State), palette[i]) << palette[i]->Caption;
        }
    }
}

TEST(TLClassRegistry, PalettesKeepTheirOrder)
{
    auto captions = [](TLDesignerKind kind) {
        QStringList list;
        for (const TLToolRow* row : TLClassRegistry::Palette(kind))
            list << QString::fromLatin1(row->Caption);
        return list;
    };
    EXPECT_EQ(captions(TLDesignerKind::Envelope),
              QStringList({"Selection tool", "Text tool", "Multi-line text tool", "Rectangle tool", "Ellipse tool",
                           "Round Rectangle tool", "Line Tool", "Clip Art Tool", "Postnet Barcode tool",
                           "Database Field tool", "Database Mailing Address tool", "FIM Barcode tool"}));
    EXPECT_EQ(captions(TLDesignerKind::Report),
              QStringList({"Selection tool", "Text tool", "Line Tool", "Clip Art Tool", "Database Field tool",
                           "Date Time Tool", "Page Number Tool", "Symbol tool", "Rectangle tool", "Ellipse tool",
                           "Round Rectangle tool"}));
    EXPECT_EQ(captions(TLDesignerKind::Label).size(), 14);
}
