#include "TPreferences.h"
#include "TIniFile.h"

#include <algorithm>

namespace {
const QString adding = QStringLiteral("Adding");
const QString editing = QStringLiteral("Editing");
const QString misc = QStringLiteral("Misc");
const QString printing = QStringLiteral("Printing");
} // namespace

const std::array<const char*, TPreferences::CarryCount>& TPreferences::CarryKeys()
{
    static const std::array<const char*, CarryCount> keys = {"CarryOrg",   "CarrySA1", "CarrySA2",    "CarryCity",
                                                             "CarryState", "CarryZip", "CarryCountry"};
    return keys;
}

const std::array<const char*, TPreferences::SkipCount>& TPreferences::SkipKeys()
{
    static const std::array<const char*, SkipCount> keys = {
        "SkipLastName", "SkipfirstName", "SkipMiddleInitial", "SkipPrefix", "Skiptitle",  "SkipOrganization",
        "SkipAddress2", "SkipState",     "SkipZip",           "SkipCountry", "SkipPhone1", "SkipPhone2",
        "SkipFax",      "SkipEmail",     "SkipCodes",         "SkipComments1", "Skipcomments2", "SkipDate"};
    return keys;
}

TPreferences TPreferences::Load(const TIniFile& settings)
{
    TPreferences p;
    p.PlugDate = settings.ReadBool(adding, QStringLiteral("PlugDate"), false);
    p.PlugCityState = settings.ReadBool(adding, QStringLiteral("PlugCityState"), false);
    p.AutoDupCheck = settings.ReadBool(adding, QStringLiteral("AutoDupCheck"), false);
    p.DefaultCountry = settings.ReadString(adding, QStringLiteral("DefaultCountry"), QString()).left(DefaultCountryLength);
    for (int i = 0; i < CarryCount; ++i)
        p.Carry[i] = settings.ReadBool(adding, QLatin1String(CarryKeys()[i]), false);
    for (int i = 0; i < SkipCount; ++i)
        p.Skip[i] = settings.ReadBool(adding, QLatin1String(SkipKeys()[i]), false);
    p.AggressiveSave = std::clamp(settings.ReadInteger(editing, QStringLiteral("AggressiveSave"), 1), 0, 2);
    p.GettingStarted = settings.ReadBool(misc, QStringLiteral("GettingStarted"), false);
    p.OfferPdfPrinter = settings.ReadBool(printing, QStringLiteral("OfferPdfPrinter"), true);
    p.ShowSplash = settings.ReadBool(misc, QStringLiteral("ShowSplash"), true);
    return p;
}

void TPreferences::Save(TIniFile& settings) const
{
    settings.WriteBool(adding, QStringLiteral("PlugDate"), PlugDate);
    settings.WriteBool(adding, QStringLiteral("PlugCityState"), PlugCityState);
    settings.WriteBool(adding, QStringLiteral("AutoDupCheck"), AutoDupCheck);
    settings.WriteString(adding, QStringLiteral("DefaultCountry"), DefaultCountry.left(DefaultCountryLength));
    for (int i = 0; i < CarryCount; ++i)
        settings.WriteBool(adding, QLatin1String(CarryKeys()[i]), Carry[i]);
    for (int i = 0; i < SkipCount; ++i)
        settings.WriteBool(adding, QLatin1String(SkipKeys()[i]), Skip[i]);
    settings.WriteInteger(editing, QStringLiteral("AggressiveSave"), AggressiveSave);
    settings.WriteBool(printing, QStringLiteral("OfferPdfPrinter"), OfferPdfPrinter);
    settings.WriteBool(misc, QStringLiteral("ShowSplash"), ShowSplash);
}
