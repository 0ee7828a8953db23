// The two dictionaries of the program folder: the main dictionary "quorva.dct" (delivered,
// read-only) and the user's own "quorvau.dct". The letter designer's spelling check and the
// `spell` command open them the same way.
#pragma once

#include <QString>

class TViredSpell;

class TSpellingFiles {
public:
    static QString MainDictionary();
    static QString UserDictionary();
    static bool MainDictionaryExists();
    // Opens the main dictionary (false when it is missing or damaged), then the user dictionary,
    // creating it empty when missing (`createUser`). Returns the user handle or one of
    // TViredSpell's CannotOpen / NotUserDictionary; `mainOpened` tells how the main one went.
    static int Open(TViredSpell& spell, bool createUser, bool* mainOpened);
};
