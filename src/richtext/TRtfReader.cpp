#include "TRtfReader.h"

#include "TRichDocument.h"
#include "TRichFormats.h"
#include "data/TCp1252.h"

#include <QStringDecoder>
#include <QTextBlock>

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Numbers beyond this are nonsense in a letter; clamping keeps every sum of a few of them in range.
constexpr long long ParameterLimit = 1 << 26;
constexpr int MaximumHalfPoints = 3276; // 1638 points

enum class TDestination { dText, dFontTable, dColorTable, dSkip };

enum TWord {
    wUnknown, wRtf, wAnsiCpg, wDeff, wFontTable, wColorTable, wFont, wFontCharset, wFontFamily,
    wRed, wGreen, wBlue, wPlain, wBold, wItalic, wUnderline, wUnderlineNone, wFontSize, wColor,
    wBackground, wPar, wPard, wAlignLeft, wAlignRight, wAlignCenter, wAlignJustify, wFirstIndent,
    wLeftIndent, wRightIndent, wSpaceBefore, wSpaceAfter, wLineSpacing, wLineMultiple, wTabPosition,
    wTabRight, wTabCenter, wTabDecimal, wTab, wLine, wPage, wPageBreakBefore, wPaperWidth,
    wPaperHeight, wMarginLeft, wMarginRight, wMarginTop, wMarginBottom, wUnicode, wUnicodeSkip, wBin,
    wSkipDestination, wSymbol
};

struct TWordEntry {
    TWord Word;
    char16_t Symbol = 0; // for wSymbol
};

const std::unordered_map<std::string_view, TWordEntry>& Words()
{
    static const std::unordered_map<std::string_view, TWordEntry> words = {
        {"rtf", {wRtf}}, {"ansicpg", {wAnsiCpg}}, {"deff", {wDeff}}, {"fonttbl", {wFontTable}},
        {"colortbl", {wColorTable}}, {"f", {wFont}}, {"fcharset", {wFontCharset}},
        {"fnil", {wFontFamily}}, {"froman", {wFontFamily}}, {"fswiss", {wFontFamily}},
        {"fmodern", {wFontFamily}}, {"fscript", {wFontFamily}}, {"fdecor", {wFontFamily}},
        {"ftech", {wFontFamily}}, {"fbidi", {wFontFamily}}, {"red", {wRed}}, {"green", {wGreen}},
        {"blue", {wBlue}}, {"plain", {wPlain}}, {"b", {wBold}}, {"i", {wItalic}}, {"ul", {wUnderline}},
        {"uld", {wUnderline}}, {"uldash", {wUnderline}}, {"uldashd", {wUnderline}}, {"uldashdd", {wUnderline}},
        {"uldb", {wUnderline}}, {"ulth", {wUnderline}}, {"ulw", {wUnderline}}, {"ulwave", {wUnderline}},
        {"ulnone", {wUnderlineNone}}, {"fs", {wFontSize}}, {"cf", {wColor}}, {"cb", {wBackground}},
        {"highlight", {wBackground}}, {"par", {wPar}}, {"sect", {wPar}}, {"pard", {wPard}},
        {"ql", {wAlignLeft}}, {"qr", {wAlignRight}}, {"qc", {wAlignCenter}}, {"qj", {wAlignJustify}},
        {"fi", {wFirstIndent}}, {"li", {wLeftIndent}}, {"ri", {wRightIndent}}, {"sb", {wSpaceBefore}},
        {"sa", {wSpaceAfter}}, {"sl", {wLineSpacing}}, {"slmult", {wLineMultiple}}, {"tx", {wTabPosition}},
        {"tqr", {wTabRight}}, {"tqc", {wTabCenter}}, {"tqdec", {wTabDecimal}}, {"tab", {wTab}},
        {"line", {wLine}}, {"page", {wPage}},
        // A table reads as text: its cells apart by tabs, each row a paragraph.
        {"cell", {wTab}}, {"nestcell", {wTab}}, {"row", {wPar}}, {"nestrow", {wPar}}, {"pagebb", {wPageBreakBefore}}, {"paperw", {wPaperWidth}},
        {"paperh", {wPaperHeight}}, {"pgwsxn", {wPaperWidth}}, {"pghsxn", {wPaperHeight}},
        {"margl", {wMarginLeft}}, {"margr", {wMarginRight}}, {"margt", {wMarginTop}}, {"margb", {wMarginBottom}},
        {"marglsxn", {wMarginLeft}}, {"margrsxn", {wMarginRight}}, {"margtsxn", {wMarginTop}},
        {"margbsxn", {wMarginBottom}}, {"u", {wUnicode}}, {"uc", {wUnicodeSkip}}, {"bin", {wBin}},
        {"lquote", {wSymbol, u'\u2018'}}, {"rquote", {wSymbol, u'\u2019'}}, {"ldblquote", {wSymbol, u'\u201C'}},
        {"rdblquote", {wSymbol, u'\u201D'}}, {"emdash", {wSymbol, u'\u2014'}}, {"endash", {wSymbol, u'\u2013'}},
        {"bullet", {wSymbol, u'\u2022'}}, {"emspace", {wSymbol, u'\u2003'}}, {"enspace", {wSymbol, u'\u2002'}},
        {"qmspace", {wSymbol, u'\u2005'}},
        // Destinations a letter has no use for: skipped with everything inside them.
        {"info", {wSkipDestination}}, {"pict", {wSkipDestination}}, {"header", {wSkipDestination}},
        {"headerl", {wSkipDestination}}, {"headerr", {wSkipDestination}}, {"headerf", {wSkipDestination}},
        {"footer", {wSkipDestination}}, {"footerl", {wSkipDestination}}, {"footerr", {wSkipDestination}},
        {"footerf", {wSkipDestination}}, {"stylesheet", {wSkipDestination}}, {"footnote", {wSkipDestination}},
        {"object", {wSkipDestination}}, {"shp", {wSkipDestination}}, {"shpinst", {wSkipDestination}},
        {"nonshppict", {wSkipDestination}}, {"listtable", {wSkipDestination}},
        {"listoverridetable", {wSkipDestination}}, {"revtbl", {wSkipDestination}}, {"filetbl", {wSkipDestination}},
        {"annotation", {wSkipDestination}}, {"fldinst", {wSkipDestination}}, {"pntext", {wSkipDestination}},
        {"pn", {wSkipDestination}}, {"xe", {wSkipDestination}}, {"tc", {wSkipDestination}},
        {"txe", {wSkipDestination}}, {"rxe", {wSkipDestination}}, {"comment", {wSkipDestination}},
        {"author", {wSkipDestination}}, {"operator", {wSkipDestination}}, {"title", {wSkipDestination}},
        {"subject", {wSkipDestination}}, {"keywords", {wSkipDestination}}, {"doccomm", {wSkipDestination}},
    };
    return words;
}

struct TCharState {
    int Font = -1; // -1: the document's \deff font
    int HalfPoints = 24;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Color = 0;
    int Background = 0;
};

struct TGroupState {
    TCharState Char;
    TParagraphSettings Paragraph;
    TTabStop::TKind NextTabKind = TTabStop::tkLeft;
    int UnicodeSkip = 1;
    TDestination Destination = TDestination::dText;
};

struct TFontEntry {
    QString Name;
    QString FamilyWord;
    int Charset = 0;
};

class TRtfParser {
public:
    TRtfParser(const QByteArray& rtf, TRichDocument& document, QTextDocument& content)
        : Data(rtf), Document(document), Cursor(&content)
    {
        SetCodePage(1252);
    }

    void Parse();

private:
    void OpenGroup();
    void CloseGroup();
    void ControlWord(std::string_view word, bool hasParameter, long long parameter);
    void ControlSymbol(char symbol);
    void Character(char16_t character);
    void Byte(unsigned char byte);
    void EndParagraph(bool pageBreakAfter);
    void ApplyParagraph();
    void Flush();
    void CharacterChanged() { ++CharVersion; }
    QTextCharFormat CurrentFormat() const;
    void SetCodePage(int codePage);
    TGroupState& State() { return Stack.back(); }
    void CommitFont();
    void CommitColor();

    const QByteArray& Data;
    qsizetype Pos = 0;
    TRichDocument& Document;
    QTextCursor Cursor;
    std::vector<TGroupState> Stack;
    bool AtGroupStart = false;
    bool Finished = false;
    int SkipCount = 0; // characters still to skip after \uN

    std::array<char16_t, 256> CodePage{};
    int DefaultFont = 0;
    std::map<int, TFontEntry> Fonts;
    int FontNumber = 0;
    TFontEntry PendingFont;
    QString PendingFontName;
    std::vector<std::optional<QColor>> Colors;
    int Red = -1, Green = -1, Blue = -1;
    TRichPageLayout Page;

    QString Pending;
    quint64 PendingVersion = 0;
    quint64 CharVersion = 1;
    bool PageBreakNext = false;
};

long long Clamp(long long value) { return std::clamp(value, -ParameterLimit, ParameterLimit); }

void TRtfParser::Parse()
{
    Stack.reserve(64);
    Stack.push_back(TGroupState());
    // One edit for the whole text: the layout hears of it once, at the end, not per paragraph.
    Cursor.beginEditBlock();
    Pos = 1; // the opening brace of the document
    AtGroupStart = true;
    const qsizetype size = Data.size();
    const char* bytes = Data.constData();
    while (Pos < size && !Finished) {
        const char c = bytes[Pos];
        if (c == '{') {
            ++Pos;
            OpenGroup();
        } else if (c == '}') {
            ++Pos;
            CloseGroup();
        } else if (c == '\\') {
            ++Pos;
            if (Pos >= size)
                break;
            const char next = bytes[Pos];
            if ((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z')) {
                const qsizetype start = Pos;
                while (Pos < size && ((bytes[Pos] >= 'a' && bytes[Pos] <= 'z') || (bytes[Pos] >= 'A' && bytes[Pos] <= 'Z')))
                    ++Pos;
                const std::string_view word(bytes + start, static_cast<size_t>(std::min<qsizetype>(Pos - start, 32)));
                bool negative = false;
                bool hasParameter = false;
                long long parameter = 0;
                if (Pos + 1 < size && bytes[Pos] == '-' && bytes[Pos + 1] >= '0' && bytes[Pos + 1] <= '9') {
                    negative = true;
                    ++Pos;
                }
                while (Pos < size && bytes[Pos] >= '0' && bytes[Pos] <= '9') {
                    hasParameter = true;
                    if (parameter <= ParameterLimit)
                        parameter = parameter * 10 + (bytes[Pos] - '0');
                    ++Pos;
                }
                if (Pos < size && bytes[Pos] == ' ')
                    ++Pos;
                ControlWord(word, hasParameter, Clamp(negative ? -parameter : parameter));
            } else {
                ++Pos;
                ControlSymbol(next);
            }
        } else if (c == '\r' || c == '\n' || c == '\0') {
            ++Pos;
        } else {
            ++Pos;
            AtGroupStart = false;
            Byte(static_cast<unsigned char>(c));
        }
    }
    // Groups still open at the end are closed; the document is what was read so far.
    Flush();
    ApplyParagraph();
    Cursor.endEditBlock();
    Document.SetPageLayout(Page);
}

void TRtfParser::OpenGroup()
{
    if (static_cast<int>(Stack.size()) >= TRtfReader::MaximumDepth)
        throw ERtfError("The RTF text nests groups deeper than 1,000 levels");
    Flush();
    Stack.push_back(Stack.back());
    AtGroupStart = true;
    SkipCount = 0;
}

void TRtfParser::CloseGroup()
{
    Flush();
    SkipCount = 0;
    const TDestination closing = State().Destination;
    if (closing == TDestination::dFontTable)
        CommitFont();
    AtGroupStart = false;
    if (Stack.size() == 1) {
        Finished = true; // the document's own closing brace: whatever follows is not part of it
        return;
    }
    Stack.pop_back();
    CharacterChanged();
}

void TRtfParser::CommitFont()
{
    if (!PendingFontName.isEmpty() || !PendingFont.FamilyWord.isEmpty()) {
        PendingFont.Name = PendingFontName.trimmed();
        Fonts[FontNumber] = PendingFont;
    }
    PendingFont = TFontEntry();
    PendingFontName.clear();
}

void TRtfParser::CommitColor()
{
    if (Red < 0 && Green < 0 && Blue < 0)
        Colors.push_back(std::nullopt);
    else
        Colors.push_back(QColor(std::clamp(Red, 0, 255), std::clamp(Green, 0, 255), std::clamp(Blue, 0, 255)));
    Red = Green = Blue = -1;
}

void TRtfParser::ControlWord(std::string_view word, bool hasParameter, long long parameter)
{
    const auto found = Words().find(word);
    const TWordEntry entry = found == Words().end() ? TWordEntry{wUnknown} : found->second;
    const bool groupStart = AtGroupStart;
    AtGroupStart = false;
    if (entry.Word == wBin) {
        // Binary data belongs to the destination (pictures, objects); it is never text.
        const qsizetype left = Data.size() - Pos;
        Pos += std::clamp<qsizetype>(hasParameter ? parameter : 0, 0, left);
        return;
    }
    if (SkipCount > 0) {
        --SkipCount;
        return;
    }
    TGroupState& state = State();
    if (state.Destination == TDestination::dSkip)
        return;
    if (groupStart && entry.Word == wSkipDestination) {
        Flush();
        state.Destination = TDestination::dSkip;
        return;
    }
    const int value = static_cast<int>(parameter);
    const auto flag = [&] { return !hasParameter || parameter != 0; };
    TCharState& chr = state.Char;
    TParagraphSettings& para = state.Paragraph;
    switch (entry.Word) {
    case wFontTable:
        state.Destination = TDestination::dFontTable;
        break;
    case wColorTable:
        state.Destination = TDestination::dColorTable;
        Colors.clear();
        break;
    case wAnsiCpg:
        SetCodePage(value);
        break;
    case wDeff:
        DefaultFont = value;
        break;
    case wFont:
        if (state.Destination == TDestination::dFontTable) {
            CommitFont();
            FontNumber = value;
        } else {
            Flush();
            chr.Font = value;
            CharacterChanged();
        }
        break;
    case wFontCharset:
        PendingFont.Charset = std::clamp(value, 0, 255);
        break;
    case wFontFamily:
        if (state.Destination == TDestination::dFontTable && word != "fnil")
            PendingFont.FamilyWord = QString::fromLatin1(word.substr(1).data(), static_cast<qsizetype>(word.size() - 1));
        break;
    case wRed: Red = value; break;
    case wGreen: Green = value; break;
    case wBlue: Blue = value; break;
    case wPlain: Flush(); chr = TCharState(); CharacterChanged(); break;
    case wBold: Flush(); chr.Bold = flag(); CharacterChanged(); break;
    case wItalic: Flush(); chr.Italic = flag(); CharacterChanged(); break;
    case wUnderline: Flush(); chr.Underline = flag(); CharacterChanged(); break;
    case wUnderlineNone: Flush(); chr.Underline = false; CharacterChanged(); break;
    case wFontSize:
        Flush();
        chr.HalfPoints = hasParameter ? std::clamp(value, 2, MaximumHalfPoints) : 24;
        CharacterChanged();
        break;
    case wColor: Flush(); chr.Color = std::max(0, value); CharacterChanged(); break;
    case wBackground: Flush(); chr.Background = std::max(0, value); CharacterChanged(); break;
    case wPar:
        if (state.Destination == TDestination::dText)
            EndParagraph(false);
        break;
    case wPage:
        if (state.Destination == TDestination::dText)
            EndParagraph(true);
        break;
    case wPard: para = TParagraphSettings(); state.NextTabKind = TTabStop::tkLeft; break;
    case wAlignLeft: para.Align = TParagraphSettings::paLeft; break;
    case wAlignRight: para.Align = TParagraphSettings::paRight; break;
    case wAlignCenter: para.Align = TParagraphSettings::paCenter; break;
    case wAlignJustify: para.Align = TParagraphSettings::paJustify; break;
    case wFirstIndent: para.FirstIndent = value; break;
    case wLeftIndent: para.LeftIndent = value; break;
    case wRightIndent: para.RightIndent = value; break;
    case wSpaceBefore: para.SpaceBefore = std::max(0, value); break;
    case wSpaceAfter: para.SpaceAfter = std::max(0, value); break;
    case wLineSpacing: para.LineSpacing = hasParameter ? value : 0; break;
    case wLineMultiple: para.LineMultiple = flag(); break;
    case wTabRight: state.NextTabKind = TTabStop::tkRight; break;
    case wTabCenter: state.NextTabKind = TTabStop::tkCenter; break;
    case wTabDecimal: state.NextTabKind = TTabStop::tkDecimal; break;
    case wTabPosition:
        if (value > 0 && para.Tabs.size() < 256) {
            para.Tabs << TTabStop{value, state.NextTabKind};
            std::sort(para.Tabs.begin(), para.Tabs.end(), [](const TTabStop& a, const TTabStop& b) { return a.Position < b.Position; });
        }
        state.NextTabKind = TTabStop::tkLeft;
        break;
    case wPageBreakBefore: para.PageBreakBefore = flag(); break;
    case wPaperWidth: Page.PaperWidth = TTwips(value); break;
    case wPaperHeight: Page.PaperHeight = TTwips(value); break;
    case wMarginLeft: Page.MarginLeft = TTwips(value); break;
    case wMarginRight: Page.MarginRight = TTwips(value); break;
    case wMarginTop: Page.MarginTop = TTwips(value); break;
    case wMarginBottom: Page.MarginBottom = TTwips(value); break;
    case wTab: Character(u'\t'); break;
    case wLine: Character(QChar::LineSeparator); break;
    case wSymbol: Character(entry.Symbol); break;
    case wUnicode:
        // Negative values are the upper half of the 16-bit range, as RTF writers store them.
        Character(static_cast<char16_t>(static_cast<uint16_t>(std::clamp(value, -32768, 65535))));
        SkipCount = state.UnicodeSkip;
        break;
    case wUnicodeSkip: state.UnicodeSkip = std::clamp(value, 0, 16); break;
    default:
        break; // unknown words are skipped with their parameter
    }
}

void TRtfParser::ControlSymbol(char symbol)
{
    const bool groupStart = AtGroupStart;
    AtGroupStart = false;
    if (symbol == '*') {
        // We understand no starred destination, so the whole group goes.
        if (groupStart) {
            Flush();
            State().Destination = TDestination::dSkip;
        }
        return;
    }
    if (symbol == '\'') {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            const char digit = Pos < Data.size() ? Data[Pos] : '\0';
            const int nibble = digit >= '0' && digit <= '9'   ? digit - '0'
                               : digit >= 'a' && digit <= 'f' ? digit - 'a' + 10
                               : digit >= 'A' && digit <= 'F' ? digit - 'A' + 10
                                                              : -1;
            if (nibble < 0)
                return; // a truncated or bad escape is dropped
            value = value * 16 + nibble;
            ++Pos;
        }
        Byte(static_cast<unsigned char>(value));
        return;
    }
    if (SkipCount > 0) {
        --SkipCount;
        return;
    }
    switch (symbol) {
    case '\\': case '{': case '}': Character(static_cast<char16_t>(symbol)); break;
    case '~': Character(u'\u00A0'); break;
    case '_': Character(u'\u2011'); break;
    case '-': Character(u'\u00AD'); break;
    case '\r': case '\n':
        if (State().Destination == TDestination::dText)
            EndParagraph(false);
        break;
    default: break;
    }
}

void TRtfParser::Byte(unsigned char byte)
{
    if (SkipCount > 0) {
        --SkipCount;
        return;
    }
    TGroupState& state = State();
    switch (state.Destination) {
    case TDestination::dText:
        Character(CodePage[byte]);
        break;
    case TDestination::dFontTable:
        if (byte == ';')
            CommitFont();
        else if (PendingFontName.size() < 256)
            PendingFontName += QChar(CodePage[byte]);
        break;
    case TDestination::dColorTable:
        if (byte == ';')
            CommitColor();
        break;
    case TDestination::dSkip:
        break;
    }
}

void TRtfParser::Character(char16_t character)
{
    TGroupState& state = State();
    if (state.Destination == TDestination::dFontTable) {
        if (PendingFontName.size() < 256)
            PendingFontName += QChar(character);
        return;
    }
    if (state.Destination != TDestination::dText || character == 0)
        return;
    if (!Pending.isEmpty() && PendingVersion != CharVersion)
        Flush();
    PendingVersion = CharVersion;
    Pending += QChar(character);
}

QTextCharFormat TRtfParser::CurrentFormat() const
{
    const TCharState& chr = Stack.back().Char;
    TCharacterSettings settings;
    const auto font = Fonts.find(chr.Font < 0 ? DefaultFont : chr.Font);
    if (font != Fonts.end()) {
        settings.FontName = font->second.Name;
        settings.FamilyWord = font->second.FamilyWord;
        settings.Charset = font->second.Charset;
    }
    settings.HalfPoints = chr.HalfPoints;
    settings.Bold = chr.Bold;
    settings.Italic = chr.Italic;
    settings.Underline = chr.Underline;
    const auto color = [&](int index) -> std::optional<QColor> {
        return index > 0 && index < static_cast<int>(Colors.size()) ? Colors[static_cast<size_t>(index)] : std::nullopt;
    };
    settings.Color = color(chr.Color);
    settings.Background = color(chr.Background);
    return settings.ToFormat();
}

void TRtfParser::Flush()
{
    if (Pending.isEmpty())
        return;
    Cursor.insertText(Pending, CurrentFormat());
    Pending.clear();
}

void TRtfParser::EndParagraph(bool pageBreakAfter)
{
    Flush();
    ApplyParagraph();
    PageBreakNext = pageBreakAfter;
    Cursor.insertBlock();
}

// The paragraph settings in force when a paragraph ends are its own.
void TRtfParser::ApplyParagraph()
{
    TParagraphSettings settings = State().Paragraph;
    settings.PageBreakBefore = settings.PageBreakBefore || PageBreakNext;
    QTextBlockFormat format;
    settings.ApplyTo(format);
    Cursor.setBlockFormat(format);
    // An empty paragraph keeps the character format in force, so its line has the right height.
    if (Cursor.block().length() <= 1)
        Cursor.setBlockCharFormat(CurrentFormat());
}

void TRtfParser::SetCodePage(int codePage)
{
    for (int byte = 0; byte < 256; ++byte)
        CodePage[static_cast<size_t>(byte)] = TCp1252::ToUnicode(static_cast<unsigned char>(byte));
    const bool singleByte = codePage == 874 || (codePage >= 1250 && codePage <= 1258);
    if (codePage == 1252 || !singleByte)
        return;
    QStringDecoder decoder(QByteArray("windows-") + QByteArray::number(codePage));
    if (!decoder.isValid())
        return;
    for (int byte = 0x80; byte < 256; ++byte) {
        const char raw = static_cast<char>(byte);
        const QString decoded = decoder.decode(QByteArrayView(&raw, 1));
        decoder.resetState();
        if (decoded.size() == 1)
            CodePage[static_cast<size_t>(byte)] = decoded[0].unicode();
    }
}

} // namespace

void TRtfReader::Read(const QByteArray& rtf, TRichDocument& document)
{
    document.Clear();
    document.SetPageLayout(TRichPageLayout());
    if (!rtf.startsWith("{\\rtf"))
        throw ERtfError("The file is not RTF text: it does not begin with {\\rtf");
    try {
        // The text is built apart, with no layout listening, and handed over whole.
        auto content = std::make_unique<QTextDocument>();
        content->setUndoRedoEnabled(false);
        TRtfParser(rtf, document, *content).Parse();
        document.Adopt(std::move(content)); // keeps the page layout the parser set
    } catch (...) {
        document.Clear();
        document.SetPageLayout(TRichPageLayout());
        throw;
    }
}
