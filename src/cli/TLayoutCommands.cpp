#include "TLayoutCommands.h"

#include "TCommandLine.h"
#include "prompts/TConsolePrompts.h"
#include "prompts/TQtUserPrompts.h"

#include "data/TAddressTable.h"
#include "layout/TLAddressDataSource.h"
#include "layout/TLStreamError.h"
#include "layout/TLayoutDescription.h"
#include "layout/TLayoutRender.h"
#include "layout/TLayoutWorkbench.h"

#include <QApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <stdexcept>

namespace {

int Show(const QStringList& arguments, QTextStream& out)
{
    if (arguments.size() != 1)
        throw std::invalid_argument("layout show: give one FILE (see --help)");
    out << TLayoutDescription::Describe(arguments[0]);
    return 0;
}

// The address table at `path`, or the reason it could not be opened (thrown).
std::unique_ptr<TAddressTable> OpenTable(const QString& path)
{
    QString error;
    std::unique_ptr<TAddressTable> address = TAddressTable::Open(QFileInfo(path).absoluteFilePath(), &error);
    if (!address)
        throw std::runtime_error(error.toStdString());
    return address;
}

// The value after option arguments[i] (i moves on to it).
QString OptionValue(const QStringList& arguments, int& i, const char* command)
{
    if (i + 1 >= arguments.size())
        throw std::invalid_argument((QString::fromLatin1(command) + ": " + arguments[i] + " needs a value").toStdString());
    return arguments[++i];
}

// WxH in inches, each above 0 and at most 100.
std::pair<double, double> InchSize(const QString& text, const char* command)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]*\\.?[0-9]+)[xX]([0-9]*\\.?[0-9]+)$"));
    const auto match = pattern.match(text);
    const double width = match.captured(1).toDouble(), height = match.captured(2).toDouble();
    if (!match.hasMatch() || width <= 0 || height <= 0 || width > 100 || height > 100)
        throw std::invalid_argument(std::string(command) + ": --size needs WxH in inches, e.g. 4x2.5");
    return {width, height};
}

int Render(const QStringList& arguments, QTextStream& out)
{
    QString file, table, pdf, pngFolder;
    long recno = 0;
    std::optional<std::pair<double, double>> size;
    for (int i = 0; i < arguments.size(); ++i) {
        auto value = [&] { return OptionValue(arguments, i, "layout render"); };
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--table")) {
            table = value();
        } else if (argument == QLatin1String("--recno")) {
            bool ok = false;
            recno = value().toLong(&ok);
            if (!ok || recno < 1)
                throw std::invalid_argument("layout render: --recno needs a record number from 1 on");
        } else if (argument == QLatin1String("--size")) {
            size = InchSize(value(), "layout render");
        } else if (argument == QLatin1String("--pdf")) {
            pdf = value();
        } else if (argument == QLatin1String("--preview-png")) {
            pngFolder = value();
        } else if (argument.startsWith(QLatin1String("--")) || !file.isEmpty()) {
            throw std::invalid_argument(("layout render: unexpected " + argument + " (see --help)").toStdString());
        } else {
            file = argument;
        }
    }
    if (file.isEmpty() || pdf.isEmpty() == pngFolder.isEmpty())
        throw std::invalid_argument("layout render: give FILE and one of --pdf OUT or --preview-png DIR (see --help)");
    if (table.isEmpty() != (recno == 0))
        throw std::invalid_argument("layout render: --table and --recno go together");

    TLayoutRender render(file);
    if (size)
        render.SetPageSize(TInches(size->first), TInches(size->second));
    std::unique_ptr<TAddressTable> address;
    std::unique_ptr<TLAddressDataSource> data;
    if (!table.isEmpty()) {
        address = OpenTable(table);
        if (static_cast<uint32_t>(recno) > address->Table().recordCount())
            throw std::runtime_error(("the table has no record " + QString::number(recno)).toStdString());
        address->Table().go(static_cast<uint32_t>(recno));
        address->SetExtraFields(true);
        data = std::make_unique<TLAddressDataSource>(*address);
        render.SetData(data.get());
    }
    QString error;
    if (!pdf.isEmpty()) {
        if (!render.RenderPdf(QFileInfo(pdf).absoluteFilePath(), &error))
            throw std::runtime_error(error.toStdString());
        out << "rendered " << file << " to " << pdf << "\n";
    } else {
        if (!render.RenderPng(pngFolder, &error))
            throw std::runtime_error(error.toStdString());
        out << "rendered " << file << " to " << QDir(pngFolder).filePath(QStringLiteral("page1.png")) << "\n";
    }
    return 0;
}

// Opens the workbench window on FILE and runs until it is closed.
int Edit(const QStringList& arguments)
{
    QString file, table, kindName;
    QSize size;
    for (int i = 0; i < arguments.size(); ++i) {
        auto value = [&] { return OptionValue(arguments, i, "layout edit"); };
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--kind")) {
            kindName = value();
            if (kindName != QLatin1String("label") && kindName != QLatin1String("envelope") &&
                kindName != QLatin1String("report"))
                throw std::invalid_argument("layout edit: --kind is label, envelope or report");
        } else if (argument == QLatin1String("--table")) {
            table = value();
        } else if (argument == QLatin1String("--size")) {
            const auto [width, height] = InchSize(value(), "layout edit");
            size = QSize(int(std::lround(width * 96)), int(std::lround(height * 96)));
        } else if (argument.startsWith(QLatin1String("--")) || !file.isEmpty()) {
            throw std::invalid_argument(("layout edit: unexpected " + argument + " (see --help)").toStdString());
        } else {
            file = argument;
        }
    }
    if (file.isEmpty())
        throw std::invalid_argument("layout edit: give FILE (see --help)");
    const TLDesignerKind kind = kindName == QLatin1String("label")      ? TLDesignerKind::Label
                                : kindName == QLatin1String("envelope") ? TLDesignerKind::Envelope
                                : kindName == QLatin1String("report")   ? TLDesignerKind::Report
                                                                        : TLayoutWorkbench::KindOf(file);
    std::unique_ptr<TAddressTable> address;
    if (!table.isEmpty()) {
        address = OpenTable(table);
        address->SetExtraFields(true);
        address->Table().goTop();
    }
    TLayoutWorkbench bench(QFileInfo(file).absoluteFilePath(), kind, size);
    bench.SetTable(address.get());
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        throw std::runtime_error("layout edit: needs a display (DISPLAY or WAYLAND_DISPLAY)");
    // A window asks its questions in real dialogs.
    TQtUserPrompts dialogs;
    TUserPrompts::Install(&dialogs);
    bench.show();
    const int status = QApplication::exec();
    TUserPrompts::Install(nullptr);
    return status;
}

} // namespace

void TLayoutCommands::Register()
{
    TCommandLine::Register({QStringLiteral("layout show"), {QStringLiteral("layout show FILE")},
                            QStringLiteral("what a layout file (.L, .E, .R, Clipbrd.tmp) holds"), {}, {},
                            [](const QStringList& a, QTextStream& out, QTextStream& err) {
                                TConsolePrompts prompts(err);
                                return Show(a.mid(1), out);
                            }});
    TCommandLine::Register({QStringLiteral("layout render"),
                            {QStringLiteral("layout render FILE [--table TABLE --recno N] [--size WxH] "
                                            "(--pdf OUT | --preview-png DIR)")},
                            QStringLiteral("one page of the layout (for record N), size in inches"), {}, {},
                            [](const QStringList& a, QTextStream& out, QTextStream& err) {
                                TConsolePrompts prompts(err);
                                return Render(a.mid(1), out);
                            }});
    TCommandLine::Register({QStringLiteral("layout edit"),
                            {QStringLiteral("layout edit FILE [--kind label|envelope|report] [--table TABLE] [--size WxH]")},
                            QStringLiteral("the layout workbench: the designer on FILE, with Save"), {}, {},
                            [](const QStringList& a, QTextStream&, QTextStream&) { return Edit(a.mid(1)); }});
}
