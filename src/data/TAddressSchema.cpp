#include "TAddressSchema.h"

namespace {

const std::array<TAddressFieldDef, TAddressSchema::StoredFieldCount> storedFields = {{
    {"LNAME", 'C', 30, "FieldLNAME"},     {"FNAME", 'C', 30, "FieldFNAME"},
    {"MIDDLE", 'C', 1, nullptr},          {"PREFIX", 'C', 12, "FieldPREFIX"},
    {"TITLE", 'C', 30, "FieldTITLE"},     {"ORG", 'C', 30, "FieldORG"},
    {"STREET", 'C', 40, "FieldSTREET"},   {"STREET2", 'C', 40, "FieldSTREET2"},
    {"CITY", 'C', 30, "FieldCITY"},       {"STATE", 'C', 20, "FieldSTATE"},
    {"ZIP", 'C', 10, "FieldZIP"},         {"COUNTRY", 'C', 30, "FieldCOUNTRY"},
    {"DATE", 'C', 15, nullptr},           {"PHONE", 'C', 30, "FieldPHONE"},
    {"PHONE2", 'C', 30, "FieldPHONE2"},   {"FAX", 'C', 40, "FieldFAX"},
    {"EMAIL", 'C', 40, "FieldEMAIL"},     {"CODES", 'C', 30, "FieldCODES"},
    {"USER1", 'C', 40, "FieldUSER1"},     {"USER2", 'C', 40, "FieldUSER2"},
    {"ISDEL", 'L', 1, nullptr},           {"TAG", 'C', 8, nullptr},
    {"MEMO", 'M', 10, nullptr},
}};

const std::array<TViewFieldDef, TAddressSchema::ViewFieldCount> viewFields = {{
    {"Tagged", "Tagged", true, 5, true},
    {"FullName", "Full Name", false, 0, true},
    {"FullNameWithPrefix", "Full Name & Prefix", false, 0, true},
    {"CityStateZip", "City, State & Zip", false, 0, true},
    {"LNAME", "Last Name", true, 20, false},
    {"FNAME", "First Name", true, 15, false},
    {"MIDDLE", "Middle", true, 0, false},
    {"PREFIX", "Prefix", true, 4, false},
    {"TITLE", "Title", true, 20, false},
    {"ORG", "Organization", true, 20, false},
    {"STREET", "Address 1", true, 0, false},
    {"STREET2", "Address 2", true, 20, false},
    {"CITY", "City", true, 15, false},
    {"STATE", "State", true, 5, false},
    {"ZIP", "Zip/Postal Code", true, 10, false},
    {"COUNTRY", "Country", true, 15, false},
    {"PHONE", "Phone 1", true, 15, false},
    {"PHONE2", "Phone 2", true, 15, false},
    {"FAX", "Fax", true, 0, false},
    {"EMAIL", "Email", true, 0, false},
    {"CODES", "Codes", true, 0, false},
    {"USER1", "Comment 1", true, 15, false},
    {"USER2", "Comment 2", true, 15, false},
    {"MEMO", "MEMO", false, 0, false},
    {"ISDEL", "Deleted", false, 0, false},
    {"DATE", "Actual Date", false, 0, false},
    {"DisplayDate", "Date", true, 12, true},
    {"TAG", "TAG", false, 0, false},
}};

const std::array<TTagDef, TAddressSchema::TagCount> tags = {{
    {"NAME", "UPPER(LNAME-FNAME)"},     {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
    {"FNAME", "UPPER(FNAME)"},          {"TITLE", "UPPER(TITLE)"},
    {"ORG", "UPPER(ORG)"},              {"STREET", "UPPER(STREET)"},
    {"STREET2", "UPPER(STREET2)"},      {"CITY", "UPPER(CITY+STATE)"},
    {"STATE", "UPPER(STATE)"},          {"ZIP", "UPPER(ZIP)"},
    {"COUNTRY", "UPPER(COUNTRY)"},      {"PHONE", "UPPER(PHONE)"},
    {"PHONE2", "UPPER(PHONE2)"},        {"EMAIL", "UPPER(EMAIL)"},
    {"FAX", "UPPER(FAX)"},              {"USER1", "UPPER(USER1)"},
    {"USER2", "UPPER(USER2)"},          {"DATE", "UPPER(DATE)"},
    {"TAG", "UPPER(TAG)"},              {"CODES", "UPPER(CODES)"},
    {"PREFIX", "UPPER(PREFIX)"},        {"MIDDLE", "UPPER(MIDDLE)"},
    {"DELETED", "DELETED()"},           {"STATEZIP", "UPPER(STATE-ZIP)"},
    {"ISDEL", "ISDEL"},                 {"NOTISDEL", "!ISDEL"},
}};

const TSystemFieldDef letterFields[] = {{"DESCRIPT", 'C', 50, 0}, {"RTF", 'M', 10, 0}};
const TSystemFieldDef reportFields[] = {{"DESCRIPT", 'C', 60, 0}, {"LAYOUT", 'C', 60, 0}, {"BINARY", 'C', 12, 0}};
const TSystemFieldDef envelopeFields[] = {{"DESCRIPT", 'C', 60, 0}, {"NUMBER", 'N', 5, 0}, {"BINARY", 'C', 12, 0}};
const TSystemFieldDef labelFields[] = {
    {"DESCRIPT", 'C', 60, 0},  {"PRINTER", 'C', 2, 0},    {"LBLHEIGHT", 'N', 6, 3},  {"LBLWIDTH", 'N', 6, 3},
    {"NBRACROSS", 'N', 2, 0},  {"NBRDOWN", 'N', 2, 0},    {"TOPMARG", 'N', 6, 3},    {"LEFTMARG", 'N', 6, 3},
    {"HORIZPITCH", 'N', 6, 3}, {"VERTPITCH", 'N', 6, 3},  {"SHEETWIDTH", 'N', 6, 3}, {"SHEETDEPTH", 'N', 6, 3},
    {"PAPERSIZE", 'C', 5, 0},  {"LBLSHAPE", 'C', 2, 0},   {"TPLDESCRIP", 'C', 60, 0}, {"MANUFAC", 'C', 10, 0},
    {"PRODTYPE", 'C', 25, 0},  {"MIDEXTRAX", 'N', 6, 3},  {"MIDEXTRAY", 'N', 6, 3},  {"ART", 'C', 12, 0},
    {"DELETED", 'L', 1, 0},    {"BINARY", 'C', 12, 0},
};
const TSystemFieldDef lblTplFields[] = {
    {"DESCRIPT", 'C', 60, 0},  {"LBLHEIGHT", 'N', 6, 3},  {"LBLWIDTH", 'N', 6, 3},   {"NBRACROSS", 'N', 2, 0},
    {"NBRDOWN", 'N', 2, 0},    {"TOPMARG", 'N', 6, 3},    {"LEFTMARG", 'N', 6, 3},   {"HORIZPITCH", 'N', 6, 3},
    {"VERTPITCH", 'N', 6, 3},  {"SHEETWIDTH", 'N', 6, 3}, {"SHEETDEPTH", 'N', 6, 3}, {"PRINTER", 'C', 2, 0},
    {"PAPERSIZE", 'C', 5, 0},  {"LBLSHAPE", 'C', 2, 0},   {"MANUFAC", 'C', 10, 0},   {"PRODTYPE", 'C', 25, 0},
    {"MIDEXTRAX", 'N', 6, 3},  {"MIDEXTRAY", 'N', 6, 3},  {"ART", 'C', 12, 0},
};
const TSystemFieldDef cszFields[] = {{"NAME", 'C', 20, 0}, {"STATE", 'C', 4, 0}, {"LOW_ZIP", 'C', 10, 0}, {"HIGH_ZIP", 'C', 10, 0}};

const std::array<TSystemTableDef, 6> systemTables = {{
    {TSystemTable::stLetter, "LETTER.DBF", letterFields, {"DESCRIPT", "UPPER(DESCRIPT)"}, true},
    {TSystemTable::stReport, "REPORT.DBF", reportFields, {"DESCRIPT", "UPPER(descript)"}, true},
    {TSystemTable::stEnvelope, "ENVELOPE.DBF", envelopeFields, {"DESCRIPT", "UPPER(descript)"}, true},
    {TSystemTable::stLabel, "LABEL.DBF", labelFields, {"DESCRIPT", "UPPER(DESCRIPT)"}, true},
    {TSystemTable::stLblTpl, "LBLTPL.DBF", lblTplFields, {"DESCRIPT", "UPPER(descript)"}, false},
    {TSystemTable::stCsz, "CSZ.DBF", cszFields, {"STATE", "UPPER(STATE)"}, false},
}};

} // namespace

const std::array<TAddressFieldDef, TAddressSchema::StoredFieldCount>& TAddressSchema::StoredFields() { return storedFields; }
const std::array<TViewFieldDef, TAddressSchema::ViewFieldCount>& TAddressSchema::ViewFields() { return viewFields; }
const std::array<TTagDef, TAddressSchema::TagCount>& TAddressSchema::Tags() { return tags; }
const std::array<TSystemTableDef, 6>& TAddressSchema::SystemTables() { return systemTables; }

const TSystemTableDef& TAddressSchema::SystemTableDef(TSystemTable table)
{
    return systemTables[static_cast<size_t>(table)];
}

const TViewFieldDef* TAddressSchema::FindViewField(const QString& name)
{
    for (const auto& field : viewFields)
        if (name.compare(QLatin1String(field.Name), Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}
