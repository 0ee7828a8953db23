// Optional extra suggestions from the system's hunspell library and its en_US dictionary, both
// loaded at run time when present (nothing is needed to build). They only add to the list:
// TViredSpell keeps an extra word only when its own check accepts it and the list lacks it.
#pragma once

#include <QStringList>

#include <memory>

class TViredSpell;

class THunspellSuggestions {
public:
    static constexpr int ExtraCount = 5;

    THunspellSuggestions();
    ~THunspellSuggestions();
    bool Available() const;
    QStringList Suggest(const QString& word) const;
    // Hands the suggestions to `spell` when the library and dictionary are there; this object
    // must outlive the suggestions asked of `spell`.
    void Attach(TViredSpell& spell) const;

private:
    struct TLoaded;
    std::unique_ptr<TLoaded> Loaded;
};
