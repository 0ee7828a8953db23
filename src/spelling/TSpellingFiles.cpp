#include "TSpellingFiles.h"

#include "TViredSpell.h"

#include "settings/TProgramFolder.h"

#include <QFileInfo>

QString TSpellingFiles::MainDictionary() { return TProgramFolder::Path() + QStringLiteral("quorva.dct"); }
QString TSpellingFiles::UserDictionary() { return TProgramFolder::Path() + QStringLiteral("quorvau.dct"); }
bool TSpellingFiles::MainDictionaryExists() { return QFileInfo::exists(MainDictionary()); }

int TSpellingFiles::Open(TViredSpell& spell, bool createUser, bool* mainOpened)
{
    spell.DictionaryName = MainDictionary();
    spell.DictionaryUser = UserDictionary();
    const bool opened = spell.OpenMain(MainDictionary());
    if (mainOpened)
        *mainOpened = opened;
    if (QFileInfo::exists(UserDictionary()))
        return spell.OpenUser(UserDictionary());
    return createUser ? spell.CreateUser(UserDictionary()) : TViredSpell::CannotOpen;
}
