#include "CdxChecker.h"

#include "CdxFormat.h"
#include "CdxTag.h"
#include "CdxTree.h"
#include "IndexRecordSource.h"
#include "InvalidIndexError.h"
#include "RecordView.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace xbase {

using namespace cdx;

void CdxChecker::fault(const std::string& label, const std::string& message)
{
    if (!full())
        faults_.push_back(label + ": " + message);
}

bool CdxChecker::checkTree(CdxTree& tree, const std::string& label, const EntryVisitor& visit)
{
    const uint16_t keyLength = tree.keyLength();
    std::vector<uint32_t> level{tree.rootOffset()};
    std::unordered_set<uint32_t> visited;
    std::unordered_map<uint32_t, std::pair<std::string, uint32_t>> parentEntry;
    std::string previousKey;
    uint32_t previousRecno = 0;
    auto page = [](uint32_t offset) { return "page " + std::to_string(offset); };
    try {
        for (unsigned depth = 0; !level.empty(); ++depth) {
            if (depth > kMaxTreeDepth) {
                fault(label, "tree deeper than any real index");
                return false;
            }
            std::vector<uint32_t> below;
            CdxTree::NodePtr previous;
            bool leafLevel = false;
            for (size_t i = 0; i < level.size(); ++i) {
                const uint32_t offset = level[i];
                if (!visited.insert(offset).second) {
                    fault(label, page(offset) + " is reached twice");
                    return false;
                }
                const CdxTree::NodePtr node = tree.load(offset);
                if (i == 0)
                    leafLevel = node->leaf;
                else if (node->leaf != leafLevel) {
                    fault(label, page(offset) + ": leaf and interior pages on one level");
                    return false;
                }
                if (node->root != (depth == 0))
                    fault(label, page(offset) + ": root flag wrong");
                if (node->left != (previous ? previous->offset : kNoPage))
                    fault(label, page(offset) + ": left sibling link wrong");
                if (previous && previous->right != offset)
                    fault(label, page(previous->offset) + ": right sibling link wrong");
                if (node->count() == 0 && depth > 0)
                    fault(label, page(offset) + ": empty page");
                if (auto it = parentEntry.find(offset); it != parentEntry.end() && node->count() > 0) {
                    const auto& [key, recno] = it->second;
                    if (recno != node->recnos.back()
                        || std::memcmp(key.data(), node->key(node->count() - 1), keyLength) != 0)
                        fault(label, page(offset) + ": parent entry is not the page's last key");
                }
                for (size_t e = 0; e < node->count(); ++e) {
                    if (!node->leaf) {
                        below.push_back(node->children[e]);
                        parentEntry[node->children[e]] = {
                            std::string(reinterpret_cast<const char*>(node->key(e)), keyLength), node->recnos[e]};
                        continue;
                    }
                    const std::string key(reinterpret_cast<const char*>(node->key(e)), keyLength);
                    if (!previousKey.empty() && (key < previousKey || (key == previousKey && node->recnos[e] <= previousRecno)))
                        fault(label, page(offset) + ": keys out of order");
                    previousKey = key;
                    previousRecno = node->recnos[e];
                    if (visit)
                        visit(node->key(e), node->recnos[e]);
                }
                previous = node;
            }
            if (previous && previous->right != kNoPage)
                fault(label, page(previous->offset) + ": last page of its level has a right sibling");
            if (leafLevel && !below.empty())
                return false;
            level = std::move(below);
        }
    } catch (const XbaseError& error) {
        fault(label, error.what());
        return false;
    }
    return true;
}

void CdxChecker::checkTag(CdxTag& tag)
{
    const std::string label = "tag " + tag.name();
    const uint32_t records = source_.recordCount();
    const uint16_t keyLength = tag.keyLength();
    std::vector<uint8_t> seen(size_t(records) + 1, 0);
    std::vector<uint8_t> stored((size_t(records) + 1) * keyLength, 0);
    std::string previousKey;
    const bool sound = checkTree(tag.tree(), label, [&](const uint8_t* key, uint32_t recno) {
        if (tag.unique() && !previousKey.empty() && std::memcmp(previousKey.data(), key, keyLength) == 0)
            fault(label, "unique tag holds one key twice (record " + std::to_string(recno) + ")");
        previousKey.assign(reinterpret_cast<const char*>(key), keyLength);
        if (recno == 0 || recno > records) {
            fault(label, "record number " + std::to_string(recno) + " beyond the table");
            return;
        }
        seen[recno] = uint8_t(std::min(2, seen[recno] + 1));
        std::memcpy(stored.data() + size_t(recno) * keyLength, key, keyLength);
    });
    if (!sound || full())
        return;
    std::string key;
    source_.forEachRecord([&](const RecordView& record) {
        const uint32_t recno = record.recordNumber();
        if (recno == 0 || recno > records || full())
            return;
        const std::string what = "record " + std::to_string(recno);
        if (seen[recno] > 1)
            fault(label, what + " appears more than once");
        if (!tag.includes(record)) {
            if (seen[recno])
                fault(label, what + " fails the FOR condition but is in the tag");
            return;
        }
        if (!seen[recno]) {
            if (!tag.unique())
                fault(label, what + " is missing");
            return;
        }
        tag.computeKey(record, key);
        if (std::memcmp(key.data(), stored.data() + size_t(recno) * keyLength, keyLength) != 0)
            fault(label, what + " has a stale key");
    });
}

} // namespace xbase
