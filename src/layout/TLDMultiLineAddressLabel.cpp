#include "TLDMultiLineAddressLabel.h"

#include "TLDataPanel.h"
#include "TLSymbolFonts.h"
#include "TLStreamWriter.h"
#include "TLValueRead.h"

#include <QFontMetrics>

QStringList TLDMultiLineAddressLabel::Compose(const std::function<QString(const QString&)>& value) const
{
    auto v = [&](const char* name) {
        try {
            return TrimRight(value(QString::fromLatin1(name)));
        } catch (const std::exception&) {
            return QString();
        }
    };
    auto lt = [](const QString& text) { return TrimLeft(text); };
    QStringList lines;
    auto add = [&](const QString& line) {
        const QString trimmed = TrimRight(line);
        if (!trimmed.isEmpty())
            lines << trimmed;
    };
    if (UseName) {
        QString middle = v("MIDDLE");
        if (!Trim(middle).isEmpty())
            middle += u'.';
        add(lt(v("PREFIX") + u' ') + lt(v("FNAME") + u' ') + lt(middle + u' ') + lt(v("LNAME") + u' '));
    }
    if (UseTitle)
        add(v("TITLE"));
    if (UseCompany)
        add(v("ORG"));
    if (UseStreet)
        add(v("STREET"));
    if (UseStreet2)
        add(v("STREET2"));
    const QString c = v("CITY"), s = v("STATE"), z = v("ZIP"), n = v("COUNTRY");
    using enum TZipOptions;
    if (UseCityState && UseZip && ZipOptions == zoAfterState)
        add(lt(c + u' ') + u' ' + lt(s + u' ') + lt(z));
    else if (UseCityState && UseZip && ZipOptions == zoBeforeCity)
        add(lt(z + u' ') + lt(c + u' ') + lt(s + u' '));
    else if (UseCityState)
        add(lt(c + u' ') + lt(s));
    else if (UseZip && (ZipOptions == zoAfterState || ZipOptions == zoBeforeCity))
        add(lt(z));
    if (UseCountry && UseZip && ZipOptions == zoAfterCountry)
        add(lt(n + u' ') + lt(z));
    else if (UseCountry && UseZip && ZipOptions == zoBeforeCountry)
        add(lt(z + u' ') + lt(n));
    else if (UseCountry)
        add(lt(n));
    else if (UseZip && (ZipOptions == zoAfterCountry || ZipOptions == zoBeforeCountry))
        add(lt(z));
    if (UsePhone)
        add(v("PHONE"));
    if (UpperCase) {
        for (QString& line : lines)
            for (QChar& ch : line)
                if (ch >= u'a' && ch <= u'z')
                    ch = QChar(ch.unicode() - 32);
    }
    return lines;
}

void TLDMultiLineAddressLabel::ShowData()
{
    Items.clear();
    TLDataPanel* panel = TLDataPanel::Of(*this);
    if (panel && panel->DataSet && panel->ShowsValues())
        Items = Compose([&](const QString& name) { return panel->DataSet->FieldText(name); });
    else
        Items << QStringLiteral("[Address Label]");
    Rewrap();
}

TLFont TLDMultiLineAddressLabel::FittedFont()
{
    const TLFont original = Font;
    auto fits = [&] {
        const QFontMetrics metrics(Font.ToQFont());
        if (int(Lines().size()) * metrics.height() > Height())
            return false;
        for (const QString& line : Lines())
            if (metrics.horizontalAdvance(TLSymbolFonts::DrawingText(Font.Name, line)) > Width())
                return false;
        return true;
    };
    TLFont fitted = original;
    if (ShrinkToFit && !fits()) {
        for (int points = original.PointSize() - 1; points >= MinimumShrinkPoints; --points) {
            Font.SetPointSize(points);
            Rewrap(); // wrapped lines depend on the font
            fitted = Font;
            if (fits())
                break;
        }
        Font = original;
        Rewrap();
    }
    return fitted;
}

void TLDMultiLineAddressLabel::Print(TBaseReport& report, TInches x, TInches y)
{
    const TLFont fitted = FittedFont();
    if (fitted == Font) {
        TLMultiLineBaseLabel::Print(report, x, y);
        return;
    }
    const TLFont original = Font;
    Font = fitted;
    Rewrap();
    TLMultiLineBaseLabel::Print(report, x, y);
    Font = original;
    Rewrap();
}

void TLDMultiLineAddressLabel::WriteProperties(TLStreamWriter& writer) const
{
    TLMultiLineBaseLabel::WriteProperties(writer);
    writer.Boolean("UseName", UseName);
    writer.Boolean("UseTitle", UseTitle);
    writer.Boolean("UseCompany", UseCompany);
    writer.Boolean("UseStreet", UseStreet);
    writer.Boolean("UseStreet2", UseStreet2);
    writer.Boolean("UseCityState", UseCityState);
    writer.Boolean("UseZip", UseZip);
    writer.Boolean("UsePhone", UsePhone);
    writer.Boolean("UseCountry", UseCountry);
    writer.Ident("ZipOptions", kZipOptionNames, int(ZipOptions));
    writer.Boolean("UpperCase", UpperCase);
    // Written only when on, so a block without it is stored exactly as before.
    if (ShrinkToFit)
        writer.Boolean("ShrinkToFit", ShrinkToFit);
}

bool TLDMultiLineAddressLabel::ReadProperty(const QByteArray& name, const TLValue& value)
{
    static const std::pair<const char*, bool TLDMultiLineAddressLabel::*> flags[] = {
        {"UseName", &TLDMultiLineAddressLabel::UseName},
        {"UseTitle", &TLDMultiLineAddressLabel::UseTitle},
        {"UseCompany", &TLDMultiLineAddressLabel::UseCompany},
        {"UseStreet", &TLDMultiLineAddressLabel::UseStreet},
        {"UseStreet2", &TLDMultiLineAddressLabel::UseStreet2},
        {"UseCityState", &TLDMultiLineAddressLabel::UseCityState},
        {"UseZip", &TLDMultiLineAddressLabel::UseZip},
        {"UsePhone", &TLDMultiLineAddressLabel::UsePhone},
        {"UseCountry", &TLDMultiLineAddressLabel::UseCountry},
        {"UpperCase", &TLDMultiLineAddressLabel::UpperCase},
        {"ShrinkToFit", &TLDMultiLineAddressLabel::ShrinkToFit},
    };
    for (const auto& [flagName, member] : flags) {
        if (name == flagName) {
            this->*member = TLValueRead::Boolean(value);
            return true;
        }
    }
    if (name == "ZipOptions") {
        ZipOptions = TLValueRead::EnumOf<TZipOptions>(value, kZipOptionNames);
        return true;
    }
    return TLMultiLineBaseLabel::ReadProperty(name, value);
}
