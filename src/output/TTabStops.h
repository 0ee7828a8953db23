// The tab columns of a line-oriented printout (list reports, the record printout, the ZIP code
// count): each tab is a cell of the current line with its own justification, inner margin,
// shading and borders. Tab sets can be saved and restored around a block that needs others.
#pragma once

#include "TInches.h"

#include <optional>
#include <vector>

enum class TTabJustify { tjLeft, tjCenter, tjRight };

enum TTabBorder : unsigned { tbNone = 0, tbLeft = 1, tbTop = 2, tbRight = 4, tbBottom = 8, tbBox = 15 };

struct TTab {
    TInches Left;
    TInches Width;
    TTabJustify Justify = TTabJustify::tjLeft;
    TInches Margin;          // kept free inside the cell on both sides
    int ShadePercent = 0;    // 0 none .. 100 black
    unsigned Borders = tbNone;

    TInches Right() const { return Left + Width; }
};

class TTabStops {
public:
    // A tab margin is given in hundredths of an inch, as the report code states it ("margin 2").
    // Without a position the tab starts where the previous one ends (the first at `firstLeft`).
    void Add(std::optional<TInches> left, TInches firstLeft, TTabJustify justify, TInches width,
             int marginHundredths = 0, int shadePercent = 0, unsigned borders = tbNone)
    {
        const TInches start = left ? *left : (Tabs.empty() ? firstLeft : Tabs.back().Right());
        Tabs.push_back(TTab{start, width, justify, TInches::FromHundredths(marginHundredths), shadePercent, borders});
    }
    void Clear() { Tabs.clear(); }
    void Save() { Saved.push_back(Tabs); }
    // Without a saved set there is nothing to restore and the tabs stay as they are.
    void Restore()
    {
        if (Saved.empty())
            return;
        Tabs = std::move(Saved.back());
        Saved.pop_back();
    }
    int Count() const { return int(Tabs.size()); }
    const TTab& At(int index) const { return Tabs.at(size_t(index)); }

private:
    std::vector<TTab> Tabs;
    std::vector<std::vector<TTab>> Saved;
};
