// The user's preferences for adding and editing records, as kept in the sections Adding,
// Editing and Misc of the settings file. Read whole, written whole; the preferences dialog
// edits one of these and the main window loads one after the dialog closes.
#pragma once

#include <QString>

#include <array>

class TIniFile;

enum class TCarryField { cfOrg, cfStreet, cfStreet2, cfCity, cfState, cfZip, cfCountry };
enum class TSkipField {
    sfLastName, sfFirstName, sfMiddleInitial, sfPrefix, sfTitle, sfOrganization, sfAddress2, sfState, sfZip,
    sfCountry, sfPhone1, sfPhone2, sfFax, sfEmail, sfCodes, sfComments1, sfComments2, sfDate
};

struct TPreferences {
    static constexpr int CarryCount = 7;
    static constexpr int SkipCount = 18;
    static constexpr int DefaultCountryLength = 30;

    bool PlugDate = false;
    bool PlugCityState = false;
    bool AutoDupCheck = false;
    QString DefaultCountry;
    std::array<bool, CarryCount> Carry{};
    std::array<bool, SkipCount> Skip{};
    int AggressiveSave = 1; // 0 never, 1 every 5 saves, 2 every save
    bool GettingStarted = false; // true: do not show the Getting Started window
    bool OfferPdfPrinter = true; // the built-in "PDF file" printer ends the printer list
    bool ShowSplash = true;      // the splash window while the program starts

    bool CarryOn(TCarryField field) const { return Carry[static_cast<size_t>(field)]; }
    bool SkipOn(TSkipField field) const { return Skip[static_cast<size_t>(field)]; }

    // Keys in the settings file, in the order of the enums above.
    static const std::array<const char*, CarryCount>& CarryKeys();
    static const std::array<const char*, SkipCount>& SkipKeys();

    static TPreferences Load(const TIniFile& settings);
    void Save(TIniFile& settings) const;
};
