#include "TBarcodeCommands.h"
#include "TCommandLine.h"

#include "layout/TFimEncoder.h"
#include "layout/TIMbEncoder.h"
#include "layout/TPostNetEncoder.h"

#include <QTextStream>

#include <cstdio>
#include <stdexcept>

namespace {

const char* const Usage = "usage: quorvane barcode postnet ZIP [--street TEXT] [--type 5|9|11]\n"
                          "       quorvane barcode fim A|B|C\n"
                          "       quorvane barcode imb TRACKING [ROUTING]\n"
                          "       quorvane barcode imb -";

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void WriteBars(QTextStream& out, const TBarList& bars)
{
    if (!bars.Digits.empty())
        out << "digits: " << QString::fromStdString(bars.Digits) << "\n";
    out << "bars: " << QString::fromStdString(bars.Pattern) << "\n";
}

int PostNet(const QStringList& arguments, QTextStream& out)
{
    QString zip, street;
    bool haveZip = false;
    TRoutingDigits type = TRoutingDigits::rd11Digit;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--street") || argument == QLatin1String("--type")) {
            if (i + 1 >= arguments.size())
                throw TUsageError(("postnet: " + argument + " needs a value").toStdString());
            const QString value = arguments[++i];
            if (argument == QLatin1String("--street"))
                street = value;
            else if (value == QLatin1String("5"))
                type = TRoutingDigits::rd5Digit;
            else if (value == QLatin1String("9"))
                type = TRoutingDigits::rd9Digit;
            else if (value == QLatin1String("11"))
                type = TRoutingDigits::rd11Digit;
            else
                throw TUsageError(("postnet: --type takes 5, 9 or 11, not " + value).toStdString());
        } else if (argument.startsWith(QLatin1String("--"))) {
            throw TUsageError(("postnet: unknown option " + argument).toStdString());
        } else if (!haveZip) {
            zip = argument;
            haveZip = true;
        } else {
            throw TUsageError("postnet: only one ZIP may be given");
        }
    }
    if (!haveZip)
        throw TUsageError("postnet: a ZIP is needed");
    const TBarList bars = TPostNetEncoder::Encode(zip.toStdString(), street.toStdString(), type);
    if (bars.Empty()) {
        out << "no barcode: " << QString::fromStdString(bars.Reason) << "\n";
        return 1;
    }
    WriteBars(out, bars);
    return 0;
}

int Fim(const QStringList& arguments, QTextStream& out)
{
    if (arguments.size() != 1)
        throw TUsageError("fim: one type, A, B or C, is needed");
    const std::optional<TFimKind> kind = TFimEncoder::Parse(arguments[0].toStdString());
    if (!kind)
        throw TUsageError(("fim: unknown type " + arguments[0] + " (A, B or C)").toStdString());
    WriteBars(out, TFimEncoder::Encode(*kind));
    return 0;
}

// Routing digits may be written with hyphens and blanks ("12345-6789 01").
std::string RoutingDigits(const QStringList& parts)
{
    QString routing = parts.join(QString());
    routing.remove(u'-');
    routing.remove(u' ');
    return routing.toStdString();
}

int IMbLines(QTextStream& in, QTextStream& out)
{
    int status = 0;
    QString line;
    while (in.readLineInto(&line)) {
        QStringList parts = line.simplified().split(u' ', Qt::SkipEmptyParts);
        const std::string tracking = parts.isEmpty() ? std::string() : parts.takeFirst().toStdString();
        std::string reason;
        const std::string letters = TIMbEncoder::Letters(tracking, RoutingDigits(parts), &reason);
        if (letters.empty()) {
            out << "error: " << QString::fromStdString(reason) << "\n";
            status = 1;
        } else {
            out << QString::fromStdString(letters) << "\n";
        }
    }
    return status;
}

int IMb(const QStringList& arguments, QTextStream& in, QTextStream& out)
{
    if (arguments.size() == 1 && arguments[0] == QLatin1String("-"))
        return IMbLines(in, out);
    if (arguments.isEmpty())
        throw TUsageError("imb: a tracking code is needed");
    for (const QString& argument : arguments)
        if (argument.startsWith(QLatin1String("--")))
            throw TUsageError(("imb: unknown option " + argument).toStdString());
    const TBarList bars = TIMbEncoder::Encode(arguments[0].toStdString(), RoutingDigits(arguments.mid(1)));
    if (bars.Empty())
        throw std::runtime_error("imb: " + bars.Reason);
    WriteBars(out, bars);
    return 0;
}

} // namespace

int TBarcodeCommands::Run(const QStringList& arguments, QTextStream& in, QTextStream& out, QTextStream& err)
{
    try {
        const QString kind = arguments.value(0);
        const QStringList rest = arguments.mid(1);
        if (kind == QLatin1String("postnet"))
            return PostNet(rest, out);
        if (kind == QLatin1String("fim"))
            return Fim(rest, out);
        if (kind == QLatin1String("imb"))
            return IMb(rest, in, out);
        throw TUsageError(kind.isEmpty() ? "postnet, fim or imb is needed" : ("unknown kind " + kind).toStdString());
    } catch (const TUsageError& error) {
        err << "quorvane: barcode: " << error.what() << "\n" << Usage << "\n";
    } catch (const std::exception& error) {
        err << "quorvane: barcode: " << error.what() << "\n";
    }
    return 2;
}

void TBarcodeCommands::Register()
{
    const auto run = [](const QStringList& a, QTextStream& o, QTextStream& e) {
        QTextStream in(stdin);
        return Run(a, in, o, e);
    };
    TCommandLine::Register({QStringLiteral("barcode postnet"), {QStringLiteral("barcode postnet ZIP [--street TEXT] [--type 5|9|11]")},
                            QStringLiteral("the digits and bars of a POSTNET barcode"),
                            QStringLiteral("barcode writes \"digits: \" and the digits encoded, then \"bars: \" and the "
                                           "bars: | full bar, . half bar, blank no bar. A ZIP that gives no barcode "
                                           "prints \"no barcode: \" and the reason, exit 1."),
                            {}, run, false});
    TCommandLine::Register({QStringLiteral("barcode fim"), {QStringLiteral("barcode fim A|B|C")},
                            QStringLiteral("the bars of a FIM"), {}, {}, run, false});
    TCommandLine::Register({QStringLiteral("barcode imb"),
                            {QStringLiteral("barcode imb TRACKING [ROUTING]"), QStringLiteral("barcode imb -")},
                            QStringLiteral("the 65 bars (A, D, F, T) of an Intelligent Mail barcode"),
                            QStringLiteral("imb - reads lines TRACKING [ROUTING] from stdin and writes one line per "
                                           "input line, the letters or \"error: \" and the reason; exit 1 when a line was "
                                           "bad."),
                            {}, run, false});
}
