#include "TPreferencesForm.h"

#include "settings/TIniFile.h"
#include "settings/TSettingsSave.h"
#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const carryCaptions[] = {"Organization", "Address 1", "Address 2", "City",
                                     "State/Province", "Zip/Postal Code", "Country"};
const char* const skipCaptions[] = {"Last Name", "First Name", "Middle Initial", "Prefix", "Title", "Organization",
                                    "Address 2", "State/Province", "Zip/Postal Code", "Country", "Phone #1",
                                    "Phone #2", "Fax", "E-Mail", "Codes", "Comments #1", "Comments #2", "Date"};
} // namespace

TPreferencesForm::TPreferencesForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Preferences"));

    auto* adding = new QGroupBox(QStringLiteral(" When adding new records"));
    auto* addingLayout = new QVBoxLayout(adding);
    PlugDateCheck = new QCheckBox(QStringLiteral("Enter today's date in the date field"));
    PlugCityStateCheck = new QCheckBox(QStringLiteral("Automatically insert city and state/province"));
    AutoDupCheckCheck = new QCheckBox(QStringLiteral("Automatically check for duplicate names"));
    DefaultCountryEdit = new QLineEdit;
    DefaultCountryEdit->setMaxLength(TPreferences::DefaultCountryLength);
    auto* countryRow = new QFormLayout;
    countryRow->addRow(QStringLiteral("Default Country Name"), DefaultCountryEdit);
    addingLayout->addWidget(PlugDateCheck);
    addingLayout->addWidget(PlugCityStateCheck);
    addingLayout->addWidget(AutoDupCheckCheck);
    addingLayout->addLayout(countryRow);

    auto* carry = new QGroupBox(QStringLiteral("Carry forward the following fields:"));
    auto* carryLayout = new QVBoxLayout(carry);
    for (int i = 0; i < TPreferences::CarryCount; ++i) {
        CarryChecks[i] = new QCheckBox(QLatin1String(carryCaptions[i]));
        carryLayout->addWidget(CarryChecks[i]);
    }

    auto* skip = new QGroupBox(QStringLiteral("Skip through the following fields:"));
    auto* skipLayout = new QGridLayout(skip);
    const int rows = (TPreferences::SkipCount + 1) / 2;
    for (int i = 0; i < TPreferences::SkipCount; ++i) {
        SkipChecks[i] = new QCheckBox(QLatin1String(skipCaptions[i]));
        skipLayout->addWidget(SkipChecks[i], i % rows, i / rows);
    }

    auto* saving = new QGroupBox(QStringLiteral("Aggressive Saving Level"));
    auto* savingLayout = new QVBoxLayout(saving);
    AggressiveSaveCombo = new QComboBox;
    AggressiveSaveCombo->addItems({QStringLiteral("None"), QStringLiteral("Normal - Every 5 Saves"),
                                   QStringLiteral("High - Every Save")});
    savingLayout->addWidget(AggressiveSaveCombo);

    auto* printing = new QGroupBox(QStringLiteral("Printing"));
    auto* printingLayout = new QVBoxLayout(printing);
    OfferPdfPrinterCheck = new QCheckBox(QStringLiteral("Offer the \"PDF file\" printer"));
    printingLayout->addWidget(OfferPdfPrinterCheck);
    auto* startUp = new QGroupBox(QStringLiteral("Start up"));
    auto* startUpLayout = new QVBoxLayout(startUp);
    ShowSplashCheck = new QCheckBox(QStringLiteral("Show the splash window at start up"));
    startUpLayout->addWidget(ShowSplashCheck);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(saving);
    rightColumn->addWidget(printing);
    rightColumn->addWidget(startUp);
    rightColumn->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(adding, 0, 0);
    grid->addWidget(carry, 0, 1, 2, 1);
    grid->addWidget(skip, 1, 0, 2, 1);
    grid->addLayout(rightColumn, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
}

void TPreferencesForm::SetPreferences(const TPreferences& preferences)
{
    Original = preferences;
    PlugDateCheck->setChecked(preferences.PlugDate);
    PlugCityStateCheck->setChecked(preferences.PlugCityState);
    AutoDupCheckCheck->setChecked(preferences.AutoDupCheck);
    DefaultCountryEdit->setText(preferences.DefaultCountry);
    for (int i = 0; i < TPreferences::CarryCount; ++i)
        CarryChecks[i]->setChecked(preferences.Carry[i]);
    for (int i = 0; i < TPreferences::SkipCount; ++i)
        SkipChecks[i]->setChecked(preferences.Skip[i]);
    AggressiveSaveCombo->setCurrentIndex(preferences.AggressiveSave);
    OfferPdfPrinterCheck->setChecked(preferences.OfferPdfPrinter);
    ShowSplashCheck->setChecked(preferences.ShowSplash);
}

TPreferences TPreferencesForm::Preferences() const
{
    TPreferences p = Original; // keeps what the dialog does not show
    p.PlugDate = PlugDateCheck->isChecked();
    p.PlugCityState = PlugCityStateCheck->isChecked();
    p.AutoDupCheck = AutoDupCheckCheck->isChecked();
    p.DefaultCountry = DefaultCountryEdit->text();
    for (int i = 0; i < TPreferences::CarryCount; ++i)
        p.Carry[i] = CarryChecks[i]->isChecked();
    for (int i = 0; i < TPreferences::SkipCount; ++i)
        p.Skip[i] = SkipChecks[i]->isChecked();
    p.AggressiveSave = AggressiveSaveCombo->currentIndex();
    p.OfferPdfPrinter = OfferPdfPrinterCheck->isChecked();
    p.ShowSplash = ShowSplashCheck->isChecked();
    return p;
}

std::optional<TPreferences> TPreferencesForm::Edit(TIniFile& settings, QWidget* parent)
{
    TPreferencesForm form(parent);
    form.SetPreferences(TPreferences::Load(settings));
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    const TPreferences chosen = form.Preferences();
    TSettingsSave::Guarded(settings, [&] { chosen.Save(settings); });
    return chosen;
}
