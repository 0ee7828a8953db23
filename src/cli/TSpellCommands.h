// The `spell` command: checks words against the program folder's dictionaries, lists
// suggestions, or adds words to the user dictionary, for scripts.
#pragma once

class TSpellCommands {
public:
    static void Register();
};
