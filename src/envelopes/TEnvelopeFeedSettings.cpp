#include "TEnvelopeFeedSettings.h"

#include "settings/TIniFile.h"

#include <stdexcept>

namespace {

template <typename TEnum> TEnum Clamped(int value, int last, TEnum fallback)
{
    return value >= 0 && value <= last ? TEnum(value) : fallback;
}

} // namespace

TEnvelopeFeedSettings TEnvelopeFeedSettings::Read(const QString& settingsFile)
{
    const TIniFile ini(settingsFile);
    const QString section = QLatin1String(Section);
    TEnvelopeFeedSettings feed;
    feed.Orientation = Clamped(ini.ReadInteger(section, QStringLiteral("Orientation"), 1), 1, feed.Orientation);
    feed.Facing = Clamped(ini.ReadInteger(section, QStringLiteral("Facing"), 1), 1, feed.Facing);
    feed.Position = Clamped(ini.ReadInteger(section, QStringLiteral("Position"), 2), 2, feed.Position);
    feed.ClockWiseRotation = ini.ReadBool(section, QStringLiteral("ClockWiseRotation"), false);
    return feed;
}

void TEnvelopeFeedSettings::Write(const QString& settingsFile) const
{
    TIniFile ini(settingsFile);
    const QString section = QLatin1String(Section);
    ini.WriteInteger(section, QStringLiteral("Orientation"), int(Orientation));
    ini.WriteInteger(section, QStringLiteral("Facing"), int(Facing));
    ini.WriteInteger(section, QStringLiteral("Position"), int(Position));
    ini.WriteBool(section, QStringLiteral("ClockWiseRotation"), ClockWiseRotation);
}

TEnvelopeFeedSettings TEnvelopeFeedSettings::Parse(const QString& text)
{
    const QStringList parts = text.toLower().split(u',');
    const auto bad = [&] {
        return std::invalid_argument("--feed is ORIENTATION,FACING,POSITION[,clockwise] as "
                                     "portrait|landscape,up|down,left|right|center, not " + text.toStdString());
    };
    if (parts.size() < 3 || parts.size() > 4)
        throw bad();
    TEnvelopeFeedSettings feed;
    const QStringList orientations{"portrait", "landscape"}, facings{"up", "down"}, positions{"left", "right", "center"};
    if (!orientations.contains(parts[0]) || !facings.contains(parts[1]) || !positions.contains(parts[2]))
        throw bad();
    feed.Orientation = TFeedOrientation(orientations.indexOf(parts[0]));
    feed.Facing = TFeedFacing(facings.indexOf(parts[1]));
    feed.Position = TFeedPosition(positions.indexOf(parts[2]));
    if (parts.size() == 4) {
        if (parts[3] != QLatin1String("clockwise"))
            throw bad();
        feed.ClockWiseRotation = true;
    }
    return feed;
}

QString TEnvelopeFeedSettings::Description() const
{
    static const char* const positions[] = {"Position: Left\r\n", "Position: Right\r\n", "Position: Center\r\n"};
    QString text = QLatin1String(positions[int(Position)]);
    text += Orientation == TFeedOrientation::foPortrait ? QStringLiteral("Orientation : Portrait\r\n")
                                                        : QStringLiteral("Orientation : Landscape\r\n");
    if (ClockWiseRotation)
        text += QStringLiteral("Clockwise Rotation\r\n");
    text += Facing == TFeedFacing::ffDown ? QStringLiteral("Facing Down") : QStringLiteral("Facing Up");
    return text;
}

TEnvelopePrinterSettings TEnvelopePrinterSettings::Read(const QString& settingsFile)
{
    const TIniFile ini(settingsFile);
    const QString section = QLatin1String(Section);
    TEnvelopePrinterSettings printer;
    printer.Printer = ini.ReadString(section, QStringLiteral("Printer"), QString());
    printer.Bin = ini.ReadString(section, QStringLiteral("Bin"), QString());
    printer.Paper = ini.ReadString(section, QStringLiteral("Paper"), QString());
    printer.Orientation = ini.ReadInteger(section, QStringLiteral("Orientation"), -1);
    return printer;
}

TEnvelopePrinterSettings TEnvelopePrinterSettings::Of(TBaseReport& job)
{
    TEnvelopePrinterSettings printer;
    printer.Printer = job.Printers().PrinterName();
    printer.Bin = job.PaperSource();
    printer.Paper = job.PaperName();
    printer.Orientation = job.Orientation() == TOrientation::poLandscape ? 1 : 0;
    return printer;
}

void TEnvelopePrinterSettings::Write(const QString& settingsFile) const
{
    TIniFile ini(settingsFile);
    const QString section = QLatin1String(Section);
    ini.WriteString(section, QStringLiteral("Printer"), Printer);
    ini.WriteString(section, QStringLiteral("Bin"), Bin);
    ini.WriteString(section, QStringLiteral("Paper"), Paper);
    ini.WriteInteger(section, QStringLiteral("Orientation"), Orientation < 0 ? 0 : Orientation);
}

QStringList TEnvelopePrinterSettings::PrinterNameCandidates(const QString& stored)
{
    QStringList names{stored};
    const int on = stored.indexOf(QLatin1String(" ON "), 0, Qt::CaseInsensitive);
    if (on >= 0)
        names << stored.left(on);
    return names;
}

void TEnvelopePrinterSettings::Apply(TBaseReport& job) const
{
    if (!Printer.isEmpty()) {
        for (const QString& name : PrinterNameCandidates(Printer))
            if (job.SelectPrinter(name))
                break;
    }
    if (!Bin.isEmpty())
        job.SelectPaperSource(Bin);
    if (!Paper.isEmpty())
        job.SelectPaperName(Paper);
    if (Orientation == 0 || Orientation == 1)
        job.SetOrientation(Orientation == 1 ? TOrientation::poLandscape : TOrientation::poPortrait);
}
