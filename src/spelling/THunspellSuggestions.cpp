#include "THunspellSuggestions.h"

#include "TViredSpell.h"

#include <QFileInfo>
#include <QLibrary>

namespace {

struct Hunhandle;
using TCreate = Hunhandle* (*)(const char* affixPath, const char* dictionaryPath);
using TDestroy = void (*)(Hunhandle*);
using TSuggest = int (*)(Hunhandle*, char*** list, const char* word);
using TFreeList = void (*)(Hunhandle*, char*** list, int count);

const char* const DictionaryFolder = "/usr/share/hunspell/";

} // namespace

struct THunspellSuggestions::TLoaded {
    QLibrary Library;
    Hunhandle* Handle = nullptr;
    TDestroy Destroy = nullptr;
    TSuggest SuggestWords = nullptr;
    TFreeList FreeList = nullptr;

    ~TLoaded()
    {
        if (Handle)
            Destroy(Handle);
    }
};

THunspellSuggestions::THunspellSuggestions()
{
    const QString affix = QString::fromLatin1(DictionaryFolder) + QStringLiteral("en_US.aff");
    const QString words = QString::fromLatin1(DictionaryFolder) + QStringLiteral("en_US.dic");
    if (!QFileInfo::exists(affix) || !QFileInfo::exists(words))
        return;
    auto loaded = std::make_unique<TLoaded>();
    loaded->Library.setFileNameAndVersion(QStringLiteral("hunspell-1.7"), 0);
    if (!loaded->Library.load())
        return;
    const auto create = reinterpret_cast<TCreate>(loaded->Library.resolve("Hunspell_create"));
    loaded->Destroy = reinterpret_cast<TDestroy>(loaded->Library.resolve("Hunspell_destroy"));
    loaded->SuggestWords = reinterpret_cast<TSuggest>(loaded->Library.resolve("Hunspell_suggest"));
    loaded->FreeList = reinterpret_cast<TFreeList>(loaded->Library.resolve("Hunspell_free_list"));
    if (!create || !loaded->Destroy || !loaded->SuggestWords || !loaded->FreeList)
        return;
    loaded->Handle = create(QFile::encodeName(affix).constData(), QFile::encodeName(words).constData());
    if (loaded->Handle)
        Loaded = std::move(loaded);
}

THunspellSuggestions::~THunspellSuggestions() = default;

bool THunspellSuggestions::Available() const { return Loaded != nullptr; }

QStringList THunspellSuggestions::Suggest(const QString& word) const
{
    QStringList result;
    if (!Loaded)
        return result;
    char** list = nullptr;
    const int count = Loaded->SuggestWords(Loaded->Handle, &list, word.toUtf8().constData());
    for (int i = 0; i < count; ++i)
        result << QString::fromUtf8(list[i]);
    if (list)
        Loaded->FreeList(Loaded->Handle, &list, count);
    return result;
}

void THunspellSuggestions::Attach(TViredSpell& spell) const
{
    if (Available())
        spell.SetExtraSuggestions([this](const QString& word) { return Suggest(word); }, ExtraCount);
}
