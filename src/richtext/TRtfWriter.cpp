#include "TRtfWriter.h"

#include "TRichDocument.h"
#include "TRichFormats.h"
#include "data/TCp1252.h"

#include <QTextBlock>

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct TRun {
    QString Text;
    TCharacterSettings Format;
};

struct TParagraph {
    TParagraphSettings Settings;
    std::vector<TRun> Runs; // an empty paragraph has one run with no text: its own format
};

struct TFontEntry {
    QString Name;
    QString FamilyWord;
    int Charset = 0;
};

// Windows-1252 bytes 0x80..0xFF by the character they stand for.
const std::array<char16_t, 128>& HighBytes()
{
    static const std::array<char16_t, 128> bytes = [] {
        std::array<char16_t, 128> table{};
        for (int byte = 0; byte < 128; ++byte)
            table[static_cast<size_t>(byte)] = TCp1252::ToUnicode(static_cast<unsigned char>(byte + 128));
        return table;
    }();
    return bytes;
}

int HighByteOf(char16_t character)
{
    const auto& bytes = HighBytes();
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == character)
            return static_cast<int>(i) + 128;
    return -1;
}

// Control characters and embedded objects have no place in a letter's text.
QString Writable(QString text)
{
    text.removeIf([](QChar c) {
        return (c.unicode() < 0x20 && c != u'\t') || c == QChar::ObjectReplacementCharacter || c == QChar::ParagraphSeparator;
    });
    return text;
}

class TRtfOutput {
public:
    void Word(const char* word, std::optional<int> parameter = std::nullopt)
    {
        Out += '\\';
        Out += word;
        if (parameter)
            Out += QByteArray::number(*parameter);
        Delimit = true;
    }
    // Control words already spelt out, e.g. "\\plain\\f0\\fs24".
    void Words(const QByteArray& words)
    {
        Out += words;
        Delimit = true;
    }
    void Raw(const char* text)
    {
        Out += text;
        Delimit = false;
    }
    void NewLine() { Raw("\r\n"); }
    void Text(const QString& text);
    QByteArray Bytes() const { return Out; }

private:
    void Literal(char c)
    {
        // Only what could continue the control word (a letter, a digit, a sign, the space that
        // ends it) needs the delimiting space.
        const bool continues = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ' ';
        if (Delimit && continues)
            Out += ' ';
        Out += c;
        Delimit = false;
    }
    QByteArray Out;
    bool Delimit = false; // a control word ends just before: a literal needs a space first
};

void TRtfOutput::Text(const QString& text)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            const char escaped[] = {'\\', static_cast<char>(c), '\0'};
            Raw(escaped);
        } else if (c == u'\t') {
            Word("tab");
        } else if (c == QChar::LineSeparator) {
            Word("line");
        } else if (c == u'\u00A0') {
            Raw("\\~");
        } else if (c == u'\u00AD') {
            Raw("\\-");
        } else if (c == u'\u2011') {
            Raw("\\_");
        } else if (c >= 0x20 && c < 0x7F) {
            Literal(static_cast<char>(c));
        } else if (const int byte = HighByteOf(c); byte >= 0) {
            static const char hex[] = "0123456789abcdef";
            const char escaped[] = {'\\', '\'', hex[byte >> 4], hex[byte & 15], '\0'};
            Raw(escaped);
        } else {
            Word("u", static_cast<int16_t>(c));
            Literal('?');
        }
    }
}

class TRtfComposer {
public:
    explicit TRtfComposer(const TRichDocument& document) : Document(document) {}
    QByteArray Compose();

private:
    void Collect();
    int FontIndex(const TCharacterSettings& format);
    int ColorIndex(const std::optional<QColor>& color);
    void WriteHeader();
    void WriteParagraph(const TParagraph& paragraph);
    QByteArray CharacterWords(const TCharacterSettings& format);

    const TRichDocument& Document;
    std::vector<TParagraph> Paragraphs;
    std::vector<TFontEntry> Fonts;
    std::vector<QRgb> Colors;
    TRtfOutput Out;
};

void TRtfComposer::Collect()
{
    const QTextDocument& text = Document.Content(); // formats only: no layout is needed
    const QString defaultFont = text.defaultFont().family();
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        TParagraph paragraph;
        paragraph.Settings = TParagraphSettings::From(block.blockFormat());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            // A run of nothing but what the writer leaves out must not leave its formatting behind.
            const QString text = part.isValid() ? Writable(part.text()) : QString();
            if (!text.isEmpty())
                paragraph.Runs.push_back({text, TCharacterSettings::From(part.charFormat())});
        }
        if (paragraph.Runs.empty())
            paragraph.Runs.push_back({QString(), TCharacterSettings::From(block.charFormat())});
        for (TRun& run : paragraph.Runs) {
            if (run.Format.FontName.isEmpty())
                run.Format.FontName = defaultFont;
            FontIndex(run.Format);
            ColorIndex(run.Format.Color);
            ColorIndex(run.Format.Background);
        }
        Paragraphs.push_back(std::move(paragraph));
    }
}

int TRtfComposer::FontIndex(const TCharacterSettings& format)
{
    for (size_t i = 0; i < Fonts.size(); ++i)
        if (Fonts[i].Name == format.FontName)
            return static_cast<int>(i);
    Fonts.push_back({format.FontName, format.FamilyWord, format.Charset});
    return static_cast<int>(Fonts.size()) - 1;
}

int TRtfComposer::ColorIndex(const std::optional<QColor>& color)
{
    if (!color)
        return 0;
    const QRgb rgb = color->rgb() | 0xFF000000u;
    for (size_t i = 0; i < Colors.size(); ++i)
        if (Colors[i] == rgb)
            return static_cast<int>(i) + 1;
    Colors.push_back(rgb);
    return static_cast<int>(Colors.size());
}

void TRtfComposer::WriteHeader()
{
    Out.Raw("{");
    Out.Word("rtf", 1);
    Out.Word("ansi");
    Out.Word("ansicpg", 1252);
    Out.Word("deff", 0);
    Out.Word("uc", 1);
    Out.NewLine();
    Out.Raw("{");
    Out.Word("fonttbl");
    for (size_t i = 0; i < Fonts.size(); ++i) {
        Out.Raw("{");
        Out.Word("f", static_cast<int>(i));
        // Only a family word made of letters is one; a ';' would end the font's entry early.
        const QString& word = Fonts[i].FamilyWord;
        const bool letters = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        });
        Out.Word(("f" + (letters ? word.toLatin1() : QByteArray("nil"))).constData());
        Out.Word("fcharset", Fonts[i].Charset);
        Out.Text(QString(Fonts[i].Name).remove(u';'));
        Out.Raw(";}");
    }
    Out.Raw("}");
    Out.NewLine();
    Out.Raw("{");
    Out.Word("colortbl");
    Out.Raw(";");
    for (const QRgb rgb : Colors) {
        Out.Word("red", qRed(rgb));
        Out.Word("green", qGreen(rgb));
        Out.Word("blue", qBlue(rgb));
        Out.Raw(";");
    }
    Out.Raw("}");
    Out.NewLine();
    const TRichPageLayout& page = Document.PageLayout();
    Out.Word("paperw", page.PaperWidth.Value());
    Out.Word("paperh", page.PaperHeight.Value());
    Out.Word("margl", page.MarginLeft.Value());
    Out.Word("margr", page.MarginRight.Value());
    Out.Word("margt", page.MarginTop.Value());
    Out.Word("margb", page.MarginBottom.Value());
    Out.NewLine();
}

QByteArray TRtfComposer::CharacterWords(const TCharacterSettings& format)
{
    QByteArray words = "\\plain\\f" + QByteArray::number(FontIndex(format)) + "\\fs" + QByteArray::number(format.HalfPoints);
    if (format.Bold)
        words += "\\b";
    if (format.Italic)
        words += "\\i";
    if (format.Underline)
        words += "\\ul";
    if (const int color = ColorIndex(format.Color); color > 0)
        words += "\\cf" + QByteArray::number(color);
    if (const int background = ColorIndex(format.Background); background > 0)
        words += "\\highlight" + QByteArray::number(background);
    return words;
}

void TRtfComposer::WriteParagraph(const TParagraph& paragraph)
{
    const TParagraphSettings& p = paragraph.Settings;
    Out.Word("pard");
    static const char* aligns[] = {nullptr, "qr", "qc", "qj"};
    if (aligns[p.Align])
        Out.Word(aligns[p.Align]);
    const auto nonZero = [&](const char* word, int value) {
        if (value != 0)
            Out.Word(word, value);
    };
    nonZero("fi", p.FirstIndent);
    nonZero("li", p.LeftIndent);
    nonZero("ri", p.RightIndent);
    nonZero("sb", p.SpaceBefore);
    nonZero("sa", p.SpaceAfter);
    if (p.LineSpacing != 0) {
        Out.Word("sl", p.LineSpacing);
        Out.Word("slmult", p.LineMultiple ? 1 : 0);
    }
    for (const TTabStop& tab : p.Tabs) {
        static const char* kinds[] = {nullptr, "tqr", "tqc", "tqdec"};
        if (kinds[tab.Kind])
            Out.Word(kinds[tab.Kind]);
        Out.Word("tx", tab.Position);
    }
    if (p.PageBreakBefore)
        Out.Word("pagebb");
    // Runs whose written form is the same are one run once read back, so they are written as one.
    QByteArray written;
    for (const TRun& run : paragraph.Runs) {
        const QByteArray words = CharacterWords(run.Format);
        if (words != written) {
            Out.Words(words);
            written = words;
        }
        Out.Text(run.Text);
    }
}

QByteArray TRtfComposer::Compose()
{
    Collect();
    WriteHeader();
    for (size_t i = 0; i < Paragraphs.size(); ++i) {
        WriteParagraph(Paragraphs[i]);
        if (i + 1 < Paragraphs.size())
            Out.Word("par");
        Out.NewLine();
    }
    Out.Raw("}");
    return Out.Bytes();
}

} // namespace

QByteArray TRtfWriter::Write(const TRichDocument& document) { return TRtfComposer(document).Compose(); }
