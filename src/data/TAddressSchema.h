// The shape of the program's tables: the 23 stored fields of an address table, the 28 fields
// of the address view (stored and derived) with their captions, the 26 index tags, and the six
// system tables. Every other module names fields and tags from here.
#pragma once

#include <QString>

#include <array>
#include <span>

struct TAddressFieldDef {
    const char* Name;
    char Type;            // C, L or M
    int DefaultWidth;
    const char* WidthKey; // key in [NewFileFieldLengths]; nullptr for a fixed width
};

struct TViewFieldDef {
    const char* Name;
    const char* Caption;
    bool Shown;
    int GridWidth; // characters; 0 = the field's own width
    bool Derived;
};

struct TTagDef {
    const char* Name;
    const char* KeyExpression;
};

struct TSystemFieldDef {
    const char* Name;
    char Type; // C, N, L or M
    int Width;
    int Decimals;
};

enum class TSystemTable { stLetter, stReport, stEnvelope, stLabel, stLblTpl, stCsz };

struct TSystemTableDef {
    TSystemTable Table;
    const char* FileName;   // e.g. "LETTER.DBF"
    std::span<const TSystemFieldDef> Fields;
    TTagDef Tag;
    bool CreatedBySystem;   // created empty when missing; the others are delivered
};

class TAddressSchema {
public:
    static constexpr int StoredFieldCount = 23;
    static constexpr int ViewFieldCount = 28;
    static constexpr int TagCount = 26;

    static const std::array<TAddressFieldDef, StoredFieldCount>& StoredFields();
    static const std::array<TViewFieldDef, ViewFieldCount>& ViewFields();
    static const std::array<TTagDef, TagCount>& Tags();
    static const std::array<TSystemTableDef, 6>& SystemTables();
    static const TSystemTableDef& SystemTableDef(TSystemTable table);

    // The view field of that name (case-insensitive), or nullptr.
    static const TViewFieldDef* FindViewField(const QString& name);
};
