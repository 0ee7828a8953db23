#include "TGettingStartedForm.h"

#include "help/THelp.h"
#include "settings/TIniFile.h"
#include "settings/TProgramFolder.h"
#include "settings/TSettingsSave.h"
#include "settings/TWindowPlacement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

// The page lives in the app library's resources; a static library must register them itself,
// from the global namespace.
static void RegisterResources() { Q_INIT_RESOURCE(quorvane_app); }

QString TGettingStartedForm::PageHtml()
{
    RegisterResources();
    QFile page(QStringLiteral(":/quorvane/getting-started.html"));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

TGettingStartedForm::TGettingStartedForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Getting Started"));
    Page = new QTextBrowser;
    Page->setHtml(PageHtml());
    Page->setOpenExternalLinks(false);
    Page->setOpenLinks(false); // its links open help topics in the help window
    connect(Page, &QTextBrowser::anchorClicked, this, [](const QUrl& link) { THelp::ShowPage(link.path().section(QLatin1Char('/'), -1)); });
    DoNotShowCheck = new QCheckBox(QStringLiteral("Do not show this screen at start up"));
    TIniFile settings(TProgramFolder::SettingsFile());
    DoNotShowCheck->setChecked(settings.ReadBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), false));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Page, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(DoNotShowCheck);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    resize(560, 460);
    TWindowPlacement::Centre(this, parent);
}

void TGettingStartedForm::done(int result)
{
    TIniFile settings(TProgramFolder::SettingsFile());
    TSettingsSave::Guarded(settings, [&] {
        settings.WriteBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), DoNotShowCheck->isChecked());
    });
    QDialog::done(result);
}
