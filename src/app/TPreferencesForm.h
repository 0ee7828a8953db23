// The "Preferences" dialog: adding, carry-forward and skip switches, the default country and
// the aggressive-saving level. Opened with the values of the settings file; "Ok" writes them
// all back, "Cancel" writes nothing.
#pragma once

#include "settings/TPreferences.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TIniFile;

class TPreferencesForm : public QDialog {
    Q_OBJECT
public:
    explicit TPreferencesForm(QWidget* parent = nullptr);

    void SetPreferences(const TPreferences& preferences);
    TPreferences Preferences() const;

    // Shows the dialog on the settings file; on "Ok" writes the values (a file that cannot be
    // written is told once per run) and answers them, on "Cancel" answers nothing.
    static std::optional<TPreferences> Edit(TIniFile& settings, QWidget* parent);

    QCheckBox* PlugDateCheck = nullptr;
    QCheckBox* PlugCityStateCheck = nullptr;
    QCheckBox* AutoDupCheckCheck = nullptr;
    QLineEdit* DefaultCountryEdit = nullptr;
    std::array<QCheckBox*, TPreferences::CarryCount> CarryChecks{};
    std::array<QCheckBox*, TPreferences::SkipCount> SkipChecks{};
    QComboBox* AggressiveSaveCombo = nullptr;
    QCheckBox* OfferPdfPrinterCheck = nullptr;
    QCheckBox* ShowSplashCheck = nullptr;

private:
    TPreferences Original;
};
