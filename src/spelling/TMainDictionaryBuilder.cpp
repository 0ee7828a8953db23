#include "TMainDictionaryBuilder.h"

#include "TSpellingAlphabet.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// A tree under construction: children by letter code, so groups come out in letter order.
struct TBuildNode {
    bool End = false;
    std::map<int, size_t> Children;
};

class TSectionBuilder {
public:
    TSectionBuilder() : Nodes(1) {}

    // Nodes the word would add (the letters past its longest prefix already in the tree).
    size_t Cost(const std::string& word) const
    {
        size_t at = 0;
        size_t depth = 0;
        for (; depth < word.size(); ++depth) {
            const auto child = Nodes[at].Children.find(TSpellingAlphabet::Code(static_cast<unsigned char>(word[depth])));
            if (child == Nodes[at].Children.end())
                break;
            at = child->second;
        }
        return word.size() - depth;
    }

    void Add(const std::string& word)
    {
        size_t at = 0;
        for (const char c : word) {
            const int code = TSpellingAlphabet::Code(static_cast<unsigned char>(c));
            auto child = Nodes[at].Children.find(code);
            if (child == Nodes[at].Children.end()) {
                Nodes.emplace_back();
                child = Nodes[at].Children.emplace(code, Nodes.size() - 1).first;
            }
            at = child->second;
        }
        Nodes[at].End = true;
    }

    size_t Size() const { return Nodes.size() - 1; }

    // Numbers the nodes group by group in breadth-first order: the top group from node 1, then
    // each node's children as one group after everything numbered so far.
    TDictionarySection Lay() const
    {
        std::vector<std::pair<size_t, int>> order; // build node, letter code
        std::vector<bool> lastInGroup;
        const auto appendGroup = [&](size_t parent) {
            size_t left = Nodes[parent].Children.size();
            for (const auto& [code, child] : Nodes[parent].Children) {
                order.emplace_back(child, code);
                lastInGroup.push_back(--left == 0);
            }
        };
        appendGroup(0);
        TDictionarySection section;
        section.Main = true;
        for (size_t i = 0; i < order.size(); ++i) {
            const auto [node, code] = order[i];
            TDictionaryNode laid;
            if (!Nodes[node].Children.empty()) {
                laid.Child = static_cast<uint16_t>(order.size() + 1);
                appendGroup(node);
            }
            laid.Letter = static_cast<uint8_t>(code | (lastInGroup[i] ? TDictionaryNode::LastSibling : 0)
                                               | (Nodes[node].End ? TDictionaryNode::EndOfWord : 0));
            section.Nodes.push_back(laid);
        }
        section.InUse = static_cast<uint32_t>(section.Nodes.size());
        return section;
    }

private:
    std::vector<TBuildNode> Nodes; // [0] is the root
};

bool Usable(const std::string& upper)
{
    if (upper.empty() || upper.size() > TDictionarySection::MaxNodes)
        return false;
    if (upper.size() >= 2 && upper.compare(upper.size() - 2, 2, "'S") == 0)
        return false;
    return std::all_of(upper.begin(), upper.end(), [](char c) {
        return c == 'A' || TSpellingAlphabet::Code(static_cast<unsigned char>(c)) != 0;
    });
}

} // namespace

TDictionaryFile TMainDictionaryBuilder::Build(const QStringList& words)
{
    std::set<std::string> sorted;
    for (const QString& word : words) {
        const std::string upper = TSpellingAlphabet::Upper(TSpellingAlphabet::ToBytes(word.trimmed()));
        if (Usable(upper))
            sorted.insert(upper);
    }
    TDictionaryFile file;
    file.Preamble = "MAIN DICTIONARY\r\nThe words the spelling check knows; a letter tree of 3-byte nodes, do not edit.\r\n";
    file.Preamble += '\x1A';
    TSectionBuilder section;
    for (const std::string& word : sorted) {
        if (section.Size() + section.Cost(word) > TDictionarySection::MaxNodes) {
            file.Sections.push_back(section.Lay());
            section = TSectionBuilder();
        }
        section.Add(word);
    }
    if (section.Size() > 0 || file.Sections.empty())
        file.Sections.push_back(section.Lay());
    return file;
}
