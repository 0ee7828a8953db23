#include "TConfigurationInfoForm.h"

#include "data/TSafeFileWriter.h"

#include "prompts/TUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TPreferences.h"
#include "settings/TProgramFolder.h"
#include "settings/TScreenMetrics.h"
#include "settings/TWindowPlacement.h"

#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

#include <unistd.h>

namespace {

// Support has always read numbers grouped in thousands with commas, whatever the locale.
QString Grouped(qint64 number)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(number);
}

QString SystemText()
{
    return QSysInfo::prettyProductName() + QStringLiteral(" version ") + QSysInfo::productVersion() +
           QStringLiteral(" kernel:") + QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion();
}

QString ProcessorModel()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (!cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    for (const QByteArray& line : cpuinfo.readAll().split('\n')) {
        if (line.startsWith("model name") || line.startsWith("Model") || line.startsWith("cpu model")) {
            const qsizetype colon = line.indexOf(':');
            if (colon >= 0)
                return QString::fromUtf8(line.mid(colon + 1)).trimmed();
        }
    }
    return {};
}

QString ProcessorText()
{
    const QString model = ProcessorModel();
    return QStringLiteral("Processor:  ") + QSysInfo::currentCpuArchitecture() +
           (model.isEmpty() ? QString() : u' ' + model);
}

QString VideoText()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QStringLiteral("no screen");
    const QSize size = screen->size();
    return QString::number(size.width()) + QStringLiteral(" x ") + QString::number(size.height()) +
           QStringLiteral(" x ") + Grouped(TConfigurationInfoForm::ColourCount(screen->depth())) +
           QStringLiteral(" colors");
}

QString FontText()
{
    const int pixelsPerInch = TScreenMetrics::PixelsPerInch();
    if (pixelsPerInch == 96)
        return QStringLiteral("Small Fonts in use");
    if (pixelsPerInch == 120)
        return QStringLiteral("Large Fonts in use");
    return QStringLiteral("Custom font size in use (%1 pixels per inch)").arg(pixelsPerInch);
}

// Memory in bytes as the system reports it; zero where it says nothing.
struct TMemory {
    qint64 PhysicalTotal = 0;
    qint64 PhysicalAvailable = 0;
    qint64 SwapTotal = 0;
    qint64 SwapFree = 0;
};

TMemory ReadMemory()
{
    TMemory memory;
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : meminfo.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() < 2)
                continue;
            const qint64 bytes = parts[1].toLongLong() * 1024; // reported in kB
            if (parts[0] == "MemTotal:")
                memory.PhysicalTotal = bytes;
            else if (parts[0] == "MemAvailable:")
                memory.PhysicalAvailable = bytes;
            else if (parts[0] == "SwapTotal:")
                memory.SwapTotal = bytes;
            else if (parts[0] == "SwapFree:")
                memory.SwapFree = bytes;
        }
    }
    if (memory.PhysicalTotal == 0) {
        const qint64 page = sysconf(_SC_PAGESIZE);
        memory.PhysicalTotal = qint64(sysconf(_SC_PHYS_PAGES)) * page;
        memory.PhysicalAvailable = qint64(sysconf(_SC_AVPHYS_PAGES)) * page;
    }
    return memory;
}

QString TotalAndAvailable(qint64 total, qint64 available)
{
    return QStringLiteral("Total: ") + Grouped(total) + QStringLiteral(";    Available: ") + Grouped(available);
}

QString UserAndSystem(const QString& user, const QString& system)
{
    return QStringLiteral("User: ") + user + QStringLiteral(";    System: ") + system;
}

QString ShortAndLong(const QString& shortPattern, const QString& longPattern)
{
    return QStringLiteral("Short: ") + shortPattern + QStringLiteral(";    Long: ") + longPattern;
}

} // namespace

qint64 TConfigurationInfoForm::ColourCount(int bitsPerPixel)
{
    return qint64(1) << qBound(1, bitsPerPixel, 24);
}

QString TConfigurationInfoForm::ConfigurationText()
{
    const QLocale user;
    const QLocale system = QLocale::system();
    const TMemory memory = ReadMemory();
    const qint64 loadPercent =
        memory.PhysicalTotal > 0
            ? ((memory.PhysicalTotal - memory.PhysicalAvailable) * 100 + memory.PhysicalTotal / 2) / memory.PhysicalTotal
            : 0;
    const TIniFile settings(TProgramFolder::SettingsFile());

    QStringList lines;
    lines << user.toString(QDateTime::currentDateTime(), QLocale::LongFormat) << QString()
          << QStringLiteral("[Product]") << QStringLiteral("Program:     \tQuorvane")
          << QStringLiteral("Version:     \t") + QStringLiteral(QUORVANE_VERSION) << QString()
          << QStringLiteral("[Environment]");
    lines << QStringLiteral("Windows:     \t") + SystemText();
    lines << QStringLiteral("CPU:         \t") + ProcessorText();
    lines << QStringLiteral("Video:       \t") + VideoText();
    lines << QStringLiteral("Font:        \t") + FontText();
    lines << QStringLiteral("Memory Load: \t") + QString::number(loadPercent)
          << QStringLiteral("Phys Memory: \t") + TotalAndAvailable(memory.PhysicalTotal, memory.PhysicalAvailable)
          << QStringLiteral("Page File:   \t") + TotalAndAvailable(memory.SwapTotal, memory.SwapFree)
          << QStringLiteral("Virt Memory: \t") + TotalAndAvailable(memory.PhysicalTotal + memory.SwapTotal,
                                                                  memory.PhysicalAvailable + memory.SwapFree);
    lines << QStringLiteral("Language:    \t") +
                 UserAndSystem(QLocale::languageToString(user.language()), QLocale::languageToString(system.language()))
          << QStringLiteral("Country:     \t") +
                 UserAndSystem(QLocale::territoryToString(user.territory()), QLocale::territoryToString(system.territory()));
    lines << QStringLiteral("Date Format: \t") +
                 ShortAndLong(user.dateFormat(QLocale::ShortFormat), user.dateFormat(QLocale::LongFormat))
          << QStringLiteral("Time Format: \t") +
                 ShortAndLong(user.timeFormat(QLocale::ShortFormat), user.timeFormat(QLocale::LongFormat));
    lines << QString() << u'[' + QFileInfo(TProgramFolder::SettingsFile()).absoluteFilePath() + u']' << QString()
          << QStringLiteral("Aggr. Save:  \t") + QString::number(TPreferences::Load(settings).AggressiveSave);
    return lines.join(u'\n') + u'\n';
}

TConfigurationInfoForm::TConfigurationInfoForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QLatin1String(Caption));

    TextView = new QPlainTextEdit;
    TextView->setReadOnly(true);
    TextView->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    TextView->setTabStopDistance(TextView->fontMetrics().horizontalAdvance(u' ') * 2);
    TextView->setPlainText(ConfigurationText());
    TextView->setMinimumSize(TextView->fontMetrics().horizontalAdvance(QString(90, u'x')),
                             TextView->fontMetrics().lineSpacing() * 26);

    CopyButton = new QPushButton(QStringLiteral("Copy to Clipboard"));
    SaveAsButton = new QPushButton(QStringLiteral("Save As..."));
    OkButton = new QPushButton(QStringLiteral("OK"));
    OkButton->setDefault(true);
    connect(CopyButton, &QPushButton::clicked, this, &TConfigurationInfoForm::CopyToClipboard);
    connect(SaveAsButton, &QPushButton::clicked, this, &TConfigurationInfoForm::SaveAs);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CopyButton);
    buttons->addWidget(SaveAsButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TextView);
    layout->addLayout(buttons);
}

void TConfigurationInfoForm::CopyToClipboard()
{
    QGuiApplication::clipboard()->setText(TextView->toPlainText());
    TUserPrompts::Current().CaptionedInformation(QStringLiteral("Configuration Information"),
                                                 QStringLiteral("Information copied to Windows clipboard"));
}

void TConfigurationInfoForm::SaveAs()
{
    QString fileName = TUserPrompts::Current().SaveFileName(QStringLiteral("Save As"), TProgramFolder::Path(),
                                                            QStringLiteral("Text files (*.TXT *.txt)"));
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".TXT");
    if (!TSafeFileWriter::WriteWhole(fileName, TextView->toPlainText().toUtf8())) {
        TUserPrompts::Current().Information(QStringLiteral("Unable to save the information as: ") + fileName);
        return;
    }
    TUserPrompts::Current().Information(QStringLiteral("Information was saved as: ") + fileName);
}

void TConfigurationInfoForm::Show(QWidget* parent)
{
    TConfigurationInfoForm form(parent);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    form.exec();
}
