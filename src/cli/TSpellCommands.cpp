#include "TSpellCommands.h"

#include "TCommandLine.h"

#include "spelling/TSpellingFiles.h"
#include "spelling/THunspellSuggestions.h"
#include "spelling/TViredSpell.h"

#include <QFileInfo>
#include <QTextStream>

#include <stdexcept>

namespace {

std::runtime_error Error(const QString& text) { return std::runtime_error(text.toStdString()); }

struct TSpellOptions {
    bool Suggest = false;
    bool Add = false;
    bool Hunspell = true;
    int Max = 10;
    QStringList Words;
};

TSpellOptions ReadOptions(const QStringList& arguments)
{
    TSpellOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--suggest")) {
            options.Suggest = true;
        } else if (argument == QLatin1String("--add")) {
            options.Add = true;
        } else if (argument == QLatin1String("--no-hunspell")) {
            options.Hunspell = false;
        } else if (argument == QLatin1String("--max")) {
            bool ok = false;
            options.Max = arguments.value(++i).toInt(&ok);
            if (!ok || options.Max < 0)
                throw Error(QStringLiteral("--max takes a number of suggestions"));
        } else if (argument.startsWith(QLatin1String("--"))) {
            throw Error(QStringLiteral("unknown option %1").arg(argument));
        } else {
            options.Words << argument;
        }
    }
    if (options.Words.isEmpty())
        throw Error(QStringLiteral("give the words to check"));
    if (options.Add && options.Suggest)
        throw Error(QStringLiteral("--add and --suggest do not go together"));
    return options;
}

int AddWords(const TSpellOptions& options, QTextStream& out)
{
    TViredSpell spell;
    const int handle = TSpellingFiles::Open(spell, true, nullptr);
    if (handle < 0)
        throw Error(spell.LastError());
    for (const QString& word : options.Words) {
        if (!spell.Add(word, handle))
            throw Error(spell.LastError());
        out << word << "\tADDED\n";
    }
    return 0;
}

int CheckWords(const TSpellOptions& options, QTextStream& out)
{
    TViredSpell spell;
    bool mainOpened = false;
    const int handle = TSpellingFiles::Open(spell, false, &mainOpened);
    if (!mainOpened)
        throw Error(TSpellingFiles::MainDictionaryExists()
                        ? spell.LastError()
                        : QStringLiteral("there is no main dictionary %1").arg(TSpellingFiles::MainDictionary()));
    if (handle == TViredSpell::NotUserDictionary)
        throw Error(spell.LastError());
    spell.MaxSuggestions = options.Max;
    THunspellSuggestions hunspell;
    if (options.Hunspell)
        hunspell.Attach(spell);
    int status = 0;
    for (const QString& word : options.Words) {
        const bool known = spell.Check(word);
        if (!known)
            status = 1;
        out << word << '\t' << (known ? "OK" : "UNKNOWN");
        if (options.Suggest)
            for (const QString& suggestion : spell.Suggestions(word))
                out << '\t' << suggestion;
        out << '\n';
    }
    return status;
}

} // namespace

void TSpellCommands::Register()
{
    TCommandLine::Register(
        {QStringLiteral("spell"),
         {QStringLiteral("spell [--suggest] [--max N] [--no-hunspell] WORD..."), QStringLiteral("spell --add WORD...")},
         QStringLiteral("check words, or add them to the user dictionary quorvau.dct"),
         QStringLiteral("One line per word: word, tab, OK or UNKNOWN, and with --suggest the suggestions, "
                        "tab-separated."),
         {},
         [](const QStringList& arguments, QTextStream& out, QTextStream&) {
             const TSpellOptions options = ReadOptions(arguments);
             return options.Add ? AddWords(options, out) : CheckWords(options, out);
         }});
}
