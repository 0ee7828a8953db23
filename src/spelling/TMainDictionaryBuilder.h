// Makes a main dictionary from a word list (one word a line, UTF-8, as the system's word lists
// come): words are upper-cased, possessive "'s" forms are left out (the check accepts them by
// itself), words with characters outside the dictionary alphabet are skipped. The sorted words
// fill sections of at most 64,999 nodes, each its own tree, groups in letter order.
#pragma once

#include "TDictionaryFile.h"

#include <QStringList>

class TMainDictionaryBuilder {
public:
    static TDictionaryFile Build(const QStringList& words);
};
