// One dictionary file in memory: its text preamble (up to and including the byte 26) and its
// sections, each a letter tree of 3-byte nodes numbered from 1. A main dictionary is a run of
// sections, each its own tree; a user dictionary has one section that grows as words are added.
// The bytes come from files users pass around, so Parse trusts none of them: every count is
// checked against the file's size, a child number past the nodes in use is no child, and a group
// never runs past the nodes in use.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class EDictionaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TDictionaryNode {
    static constexpr uint8_t LastSibling = 0x40;
    static constexpr uint8_t EndOfWord = 0x80;
    uint16_t Child = 0;
    uint8_t Letter = 0; // code in bits 0 to 5, then the two flags

    int Code() const { return Letter & 0x3F; }
    bool Last() const { return (Letter & LastSibling) != 0; }
    bool End() const { return (Letter & EndOfWord) != 0; }
};

class TDictionarySection {
public:
    static constexpr uint32_t HeaderSize = 17;
    static constexpr uint16_t UnusedChild = 65000;
    // Child numbers are 16 bits and 65000 marks an unused node, so a tree holds at most this many.
    static constexpr uint32_t MaxNodes = 64999;

    bool Main = false;
    uint32_t InUse = 0;
    std::vector<TDictionaryNode> Nodes; // node n is Nodes[n - 1]; size() is the capacity

    uint32_t Capacity() const { return static_cast<uint32_t>(Nodes.size()); }
    const TDictionaryNode& Node(uint32_t number) const { return Nodes[number - 1]; }
    // The node's child group, 0 when it has none (or the number points past the nodes in use).
    uint32_t ChildOf(uint32_t number) const;
    // The node of `code` in the group starting at `group`, 0 when the group lacks it.
    uint32_t FindInGroup(uint32_t group, int code) const;
    // Whether the upper-case word (letter codes) ends at a node with the end-of-word flag.
    bool Contains(const std::string& upperWord) const;
    // Adds the upper-case word: a missing letter is inserted into its group in letter order and
    // the rest of the word appended as a chain. Grows the capacity when needed; false (and no
    // change) when the word would take the tree past MaxNodes.
    bool Add(const std::string& upperWord);

private:
    uint32_t AppendChain(const std::string& upperWord, size_t from);
    void InsertNode(uint32_t at, uint32_t parent, uint32_t group);
};

class TDictionaryFile {
public:
    std::string Preamble; // ends with the byte 26
    std::vector<TDictionarySection> Sections;

    // Throws EDictionaryError for bytes that are not a dictionary.
    static TDictionaryFile Parse(const std::string& bytes);
    std::string Serialize() const;
    // An empty user dictionary: the two preamble lines, capacity 500, node 1 the word "A".
    static TDictionaryFile NewUser();

    bool IsMain() const { return !Sections.empty() && Sections.front().Main; }
    bool Contains(const std::string& upperWord) const;
};
