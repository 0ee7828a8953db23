#include "TDictionaryFile.h"

#include "TSpellingAlphabet.h"

#include <algorithm>

namespace {

constexpr char EndOfPreamble = 26;
constexpr uint32_t NewUserCapacity = 500;
// A main dictionary's next section follows its node array when at least this much is left.
constexpr size_t NextSectionMinimum = 20;

uint32_t ReadU32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

void WriteU32(std::string& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Reads the section whose header starts at `at`; its node array must lie inside the file.
TDictionarySection ReadSection(const std::string& bytes, size_t at)
{
    if (bytes.size() - at < TDictionarySection::HeaderSize)
        throw EDictionaryError("the dictionary ends inside a section header");
    TDictionarySection section;
    section.InUse = ReadU32(bytes, at);
    const uint32_t capacity = ReadU32(bytes, at + 4);
    section.Main = bytes[at + 12] != 0;
    const size_t nodesAt = at + TDictionarySection::HeaderSize;
    if (capacity > (bytes.size() - nodesAt) / 3)
        throw EDictionaryError("the dictionary's node count runs past the end of the file");
    if (section.InUse > capacity || section.InUse > TDictionarySection::MaxNodes)
        throw EDictionaryError("the dictionary uses more nodes than it holds");
    section.Nodes.resize(capacity);
    for (uint32_t n = 0; n < capacity; ++n) {
        const size_t offset = nodesAt + 3 * static_cast<size_t>(n);
        TDictionaryNode& node = section.Nodes[n];
        node.Child = static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset])
                                           | (static_cast<unsigned char>(bytes[offset + 1]) << 8));
        node.Letter = static_cast<uint8_t>(bytes[offset + 2]);
    }
    return section;
}

} // namespace

uint32_t TDictionarySection::ChildOf(uint32_t number) const
{
    const uint32_t child = Node(number).Child;
    return child <= InUse ? child : 0;
}

uint32_t TDictionarySection::FindInGroup(uint32_t group, int code) const
{
    for (uint32_t n = group; n >= 1 && n <= InUse; ++n) {
        if (Node(n).Code() == code)
            return n;
        if (Node(n).Last())
            break;
    }
    return 0;
}

bool TDictionarySection::Contains(const std::string& upperWord) const
{
    uint32_t group = 1;
    for (size_t i = 0; i < upperWord.size(); ++i) {
        if (group == 0)
            return false;
        const uint32_t node = FindInGroup(group, TSpellingAlphabet::Code(static_cast<unsigned char>(upperWord[i])));
        if (node == 0)
            return false;
        if (i + 1 == upperWord.size())
            return Node(node).End();
        group = ChildOf(node);
    }
    return false;
}

uint32_t TDictionarySection::AppendChain(const std::string& upperWord, size_t from)
{
    const uint32_t start = InUse + 1;
    for (size_t k = from; k < upperWord.size(); ++k) {
        const bool end = k + 1 == upperWord.size();
        TDictionaryNode& node = Nodes[InUse];
        node.Child = end ? 0 : static_cast<uint16_t>(InUse + 2);
        node.Letter = static_cast<uint8_t>(TSpellingAlphabet::Code(static_cast<unsigned char>(upperWord[k]))
                                           | TDictionaryNode::LastSibling | (end ? TDictionaryNode::EndOfWord : 0));
        ++InUse;
    }
    return start;
}

// Opens a place at node `at` for a new member of the group starting at `group` (whose parent
// is `parent`, 0 for the top group). Child numbers past the place move up with the nodes; the
// parent's own pointer stays when the new node becomes the group's first.
void TDictionarySection::InsertNode(uint32_t at, uint32_t parent, uint32_t group)
{
    const uint32_t oldInUse = InUse;
    Nodes.insert(Nodes.begin() + (at - 1), TDictionaryNode{});
    Nodes.pop_back();
    ++InUse;
    const uint32_t movedParent = parent >= at ? parent + 1 : parent;
    for (uint32_t n = 1; n <= InUse; ++n) {
        if (n == at)
            continue;
        TDictionaryNode& node = Nodes[n - 1];
        if (node.Child == 0 || node.Child > oldInUse)
            continue;
        const bool keepsNewFirst = node.Child == at && n == movedParent && group == at;
        if (node.Child > at || (node.Child == at && !keepsNewFirst))
            ++node.Child;
    }
}

bool TDictionarySection::Add(const std::string& upperWord)
{
    if (upperWord.empty())
        return true;
    if (InUse + upperWord.size() > MaxNodes)
        return false;
    if (Capacity() < InUse + upperWord.size()) {
        const size_t grown = std::min<size_t>(MaxNodes, std::max<size_t>(2 * Capacity(), InUse + upperWord.size()));
        Nodes.resize(grown, TDictionaryNode{UnusedChild, 0});
    }
    uint32_t parent = 0;
    uint32_t group = InUse == 0 ? 0 : 1;
    for (size_t i = 0; i < upperWord.size(); ++i) {
        const int code = TSpellingAlphabet::Code(static_cast<unsigned char>(upperWord[i]));
        const bool last = i + 1 == upperWord.size();
        if (group == 0) {
            const uint32_t chain = AppendChain(upperWord, i);
            if (parent != 0)
                Nodes[parent - 1].Child = static_cast<uint16_t>(chain);
            return true;
        }
        uint32_t found = 0;
        uint32_t before = 0;
        uint32_t lastMember = group;
        for (uint32_t n = group; n <= InUse; ++n) {
            lastMember = n;
            if (Node(n).Code() == code) {
                found = n;
                break;
            }
            if (before == 0 && Node(n).Code() > code)
                before = n;
            if (Node(n).Last())
                break;
        }
        if (found != 0) {
            if (last) {
                Nodes[found - 1].Letter |= TDictionaryNode::EndOfWord;
                return true;
            }
            parent = found;
            group = ChildOf(found);
            continue;
        }
        const uint32_t at = before != 0 ? before : lastMember + 1;
        InsertNode(at, parent, group);
        TDictionaryNode& added = Nodes[at - 1];
        added.Letter = static_cast<uint8_t>(code | (last ? TDictionaryNode::EndOfWord : 0));
        if (before == 0) {
            Nodes[lastMember - 1].Letter &= static_cast<uint8_t>(~TDictionaryNode::LastSibling);
            added.Letter |= TDictionaryNode::LastSibling;
        }
        added.Child = last ? 0 : static_cast<uint16_t>(InUse + 1);
        if (!last)
            AppendChain(upperWord, i + 1);
        return true;
    }
    return true;
}

TDictionaryFile TDictionaryFile::Parse(const std::string& bytes)
{
    const size_t end = bytes.find(EndOfPreamble);
    if (end == std::string::npos)
        throw EDictionaryError("the file has no dictionary preamble");
    TDictionaryFile file;
    file.Preamble = bytes.substr(0, end + 1);
    size_t at = end + 1;
    file.Sections.push_back(ReadSection(bytes, at));
    if (!file.Sections.front().Main)
        return file;
    for (;;) {
        at += TDictionarySection::HeaderSize + 3 * static_cast<size_t>(file.Sections.back().Capacity());
        if (bytes.size() - at < NextSectionMinimum)
            break;
        file.Sections.push_back(ReadSection(bytes, at));
    }
    return file;
}

std::string TDictionaryFile::Serialize() const
{
    std::string bytes = Preamble;
    for (const TDictionarySection& section : Sections) {
        const auto offset = static_cast<uint32_t>(bytes.size());
        WriteU32(bytes, section.InUse);
        WriteU32(bytes, section.Capacity());
        WriteU32(bytes, 1);
        bytes += static_cast<char>(section.Main ? 1 : 0);
        WriteU32(bytes, offset);
        for (const TDictionaryNode& node : section.Nodes) {
            bytes += static_cast<char>(node.Child & 0xFF);
            bytes += static_cast<char>(node.Child >> 8);
            bytes += static_cast<char>(node.Letter);
        }
    }
    return bytes;
}

TDictionaryFile TDictionaryFile::NewUser()
{
    TDictionaryFile file;
    file.Preamble = "USER DICTIONARY\r\nWords added to the spelling check; a letter tree of 3-byte nodes, do not edit.\r\n";
    file.Preamble += EndOfPreamble;
    TDictionarySection section;
    section.InUse = 1;
    section.Nodes.assign(NewUserCapacity, TDictionaryNode{TDictionarySection::UnusedChild, 0});
    section.Nodes[0] = TDictionaryNode{0, TDictionaryNode::LastSibling | TDictionaryNode::EndOfWord};
    file.Sections.push_back(std::move(section));
    return file;
}

bool TDictionaryFile::Contains(const std::string& upperWord) const
{
    return std::any_of(Sections.begin(), Sections.end(),
                       [&](const TDictionarySection& section) { return section.Contains(upperWord); });
}
