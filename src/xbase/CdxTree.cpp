#include "CdxTree.h"

#include "CdxPageStore.h"
#include "InvalidIndexError.h"

#include <algorithm>

namespace xbase {

using namespace cdx;

namespace {
constexpr size_t kCachedLeaves = 256;
constexpr size_t kCachedPages = 4096;
} // namespace

CdxTree::CdxTree(CdxPageStore& store, uint32_t headerOffset, uint16_t keyLength, uint8_t filler)
    : store_(store), headerOffset_(headerOffset), codec_(keyLength, filler)
{
    uint8_t header[kHeaderSize];
    store_.readHeader(headerOffset_, header);
    root_ = readLe32(header + kHeaderRoot);
}

void CdxTree::damaged(uint32_t offset, const char* what) const
{
    throw InvalidIndexError(store_.path() + ": damaged index tree at offset " + std::to_string(offset) + " ("
                            + what + ")");
}

int CdxTree::compare(const uint8_t* key, uint32_t recno, const Probe& probe) const
{
    const int c = std::memcmp(key, probe.bytes, probe.length);
    if (c != 0 || !probe.withRecno)
        return c;
    return recno < probe.recno ? -1 : (recno > probe.recno ? 1 : 0);
}

CdxTree::NodePtr CdxTree::load(uint32_t offset)
{
    if (auto it = cache_.find(offset); it != cache_.end())
        return it->second;
    if (NodePtr held = store_.held(offset)) { // changed, not yet written back
        cache_.emplace(offset, held);
        cachedLeaves_ += held->leaf;
        return held;
    }
    uint8_t page[kPageSize];
    store_.readPage(offset, page);
    auto node = std::make_shared<CdxNode>(codec_.decode(page, offset, store_.path()));
    cache_.emplace(offset, node);
    cachedLeaves_ += node->leaf;
    return node;
}

CdxTree::NodePtr CdxTree::loadChild(const CdxNode& parent, size_t index, size_t depth)
{
    if (depth > kMaxTreeDepth)
        damaged(parent.offset, "tree deeper than any real index");
    return load(parent.children[index]);
}

CdxTree::Position CdxTree::first()
{
    NodePtr node = load(root_);
    for (size_t depth = 1; !node->leaf; ++depth)
        node = loadChild(*node, 0, depth);
    Position position{node, 0};
    if (!position.valid() && node->right != kNoPage)
        damaged(node->offset, "empty page inside the tree");
    return position;
}

CdxTree::Position CdxTree::last()
{
    NodePtr node = load(root_);
    for (size_t depth = 1; !node->leaf; ++depth)
        node = loadChild(*node, node->count() - 1, depth);
    if (node->count() == 0)
        return {};
    return {node, node->count() - 1};
}

CdxTree::Position CdxTree::lowerBound(const Probe& probe) { return bound(probe, false); }
CdxTree::Position CdxTree::upperBound(const Probe& probe) { return bound(probe, true); }

CdxTree::Position CdxTree::bound(const Probe& probe, bool strict)
{
    auto before = [&](const CdxNode& node, size_t i) {
        const int c = compare(node.key(i), node.recnos[i], probe);
        return strict ? c <= 0 : c < 0;
    };
    auto partition = [&](const CdxNode& node) {
        size_t low = 0, high = node.count();
        while (low < high) {
            const size_t mid = (low + high) / 2;
            if (before(node, mid))
                low = mid + 1;
            else
                high = mid;
        }
        return low;
    };
    NodePtr node = load(root_);
    for (size_t depth = 1; !node->leaf; ++depth) {
        const size_t i = partition(*node);
        if (i == node->count())
            return {};
        node = loadChild(*node, i, depth);
    }
    Position position{node, partition(*node)};
    if (position.index == node->count() && node->count() > 0)
        return next({node, node->count() - 1}); // only when parent keys lag behind; stay correct anyway
    return position;
}

CdxTree::Position CdxTree::next(const Position& position)
{
    const CdxNode& leaf = *position.leaf;
    if (position.index + 1 < leaf.count())
        return {position.leaf, position.index + 1};
    if (leaf.right == kNoPage)
        return {};
    NodePtr right = load(leaf.right);
    // Keys must rise from page to page; anything else is a loop or a crossed link.
    if (!right->leaf || right->count() == 0 || right->left != leaf.offset
        || compare(right->key(0), right->recnos[0],
                   Probe{leaf.key(leaf.count() - 1), leaf.keyLength, true, leaf.recnos[leaf.count() - 1]}) <= 0)
        damaged(leaf.offset, "right sibling link");
    return {right, 0};
}

CdxTree::Position CdxTree::previous(const Position& position)
{
    const CdxNode& leaf = *position.leaf;
    if (position.index > 0)
        return {position.leaf, position.index - 1};
    if (leaf.left == kNoPage)
        return {};
    NodePtr left = load(leaf.left);
    if (!left->leaf || left->count() == 0 || left->right != leaf.offset || leaf.count() == 0
        || compare(left->key(left->count() - 1), left->recnos[left->count() - 1],
                   Probe{leaf.key(0), leaf.keyLength, true, leaf.recnos[0]}) >= 0)
        damaged(leaf.offset, "left sibling link");
    return {left, left->count() - 1};
}

CdxTree::Position CdxTree::before(const Position& position)
{
    return position.valid() ? previous(position) : last();
}

CdxTree::NodePtr CdxTree::descendToLeaf(const Probe& probe, Path& path)
{
    NodePtr node = load(root_);
    while (!node->leaf) {
        size_t i = 0;
        while (i < node->count() && compare(node->key(i), node->recnos[i], probe) < 0)
            ++i;
        if (i == node->count())
            i = node->count() - 1; // beyond every key: the last child takes it
        path.emplace_back(node, i);
        node = loadChild(*node, i, path.size());
    }
    return node;
}

bool CdxTree::insert(const uint8_t* key, uint32_t recno)
{
    const Probe probe{key, keyLength(), true, recno};
    Path path;
    NodePtr leaf = descendToLeaf(probe, path);
    size_t i = 0;
    while (i < leaf->count() && compare(leaf->key(i), leaf->recnos[i], probe) < 0)
        ++i;
    if (i < leaf->count() && compare(leaf->key(i), leaf->recnos[i], probe) == 0)
        return false;
    leaf->insertEntry(i, key, recno);
    markDirty(leaf);

    NodePtr child = leaf;
    NodePtr sibling = codec_.fits(*child) ? nullptr : split(child);
    while (!path.empty()) {
        auto [parent, index] = path.back();
        path.pop_back();
        bool changed = parent->setEntry(index, child->key(child->count() - 1), child->recnos.back());
        if (sibling) {
            parent->insertEntry(index + 1, sibling->key(sibling->count() - 1), sibling->recnos.back(),
                                sibling->offset);
            changed = true;
        }
        if (!changed) {
            sibling = nullptr;
            break;
        }
        markDirty(parent);
        child = parent;
        sibling = codec_.fits(*child) ? nullptr : split(child);
    }
    if (sibling)
        growRoot(child, sibling);
    flush();
    return true;
}

bool CdxTree::remove(const uint8_t* key, uint32_t recno)
{
    const Probe probe{key, keyLength(), true, recno};
    Path path;
    NodePtr leaf = descendToLeaf(probe, path);
    size_t i = 0;
    while (i < leaf->count() && compare(leaf->key(i), leaf->recnos[i], probe) < 0)
        ++i;
    if (i == leaf->count() || compare(leaf->key(i), leaf->recnos[i], probe) != 0)
        return false;
    leaf->eraseEntry(i);
    markDirty(leaf);

    NodePtr child = leaf;
    while (!path.empty()) {
        auto [parent, index] = path.back();
        path.pop_back();
        if (child->count() == 0) {
            unlink(*child);
            release(*child);
            parent->eraseEntry(index);
        } else if (!(index > 0 && mergeIntoLeft(*parent, index, child))) {
            if (!parent->setEntry(index, child->key(child->count() - 1), child->recnos.back())) {
                child = nullptr;
                break;
            }
        }
        markDirty(parent);
        child = parent;
    }
    if (child)
        collapseRoot(child);
    flush();
    return true;
}

bool CdxTree::mergeIntoLeft(CdxNode& parent, size_t index, const NodePtr& node)
{
    // Only pages under half full are merged, so one insert and one remove cannot make a page
    // split and merge back and forth.
    if (node->leaf ? codec_.leafBytes(*node) > kLeafSpace / 2 : node->count() > codec_.interiorCapacity() / 2)
        return false;
    NodePtr left = loadChild(parent, index - 1, 1);
    if (left->leaf != node->leaf || left->right != node->offset)
        return false;
    CdxNode merged = *left;
    CdxNode tail = *node; // the node stays intact until the merge is known to fit
    tail.moveTail(0, merged);
    if (!codec_.fits(merged))
        return false;
    node->moveTail(0, *left);
    markDirty(left);
    unlink(*node);
    release(*node);
    parent.eraseEntry(index);
    parent.setEntry(index - 1, left->key(left->count() - 1), left->recnos.back());
    return true;
}

void CdxTree::collapseRoot(NodePtr root)
{
    if (root->leaf)
        return;
    if (root->count() == 0) {
        root->leaf = true;
        root->children.clear();
        markDirty(root);
        return;
    }
    while (!root->leaf && root->count() == 1) {
        NodePtr child = loadChild(*root, 0, 1);
        release(*root);
        child->root = true;
        child->left = child->right = kNoPage;
        markDirty(child);
        root = child;
        root_ = root->offset;
        writeRootPointer();
    }
}

CdxTree::NodePtr CdxTree::createNode(bool leaf)
{
    auto node = std::make_shared<CdxNode>();
    node->offset = store_.allocatePage();
    node->leaf = leaf;
    node->keyLength = keyLength();
    cache_[node->offset] = node;
    markDirty(node);
    return node;
}

size_t CdxTree::splitPoint(const CdxNode& node) const
{
    const size_t n = node.count();
    if (!node.leaf)
        return n / 2;
    size_t at = n / 2;
    while (at > 1 && codec_.leafBytes(node, 0, at) > kLeafSpace)
        --at;
    while (at + 1 < n && codec_.leafBytes(node, at, n) > kLeafSpace)
        ++at;
    return at;
}

CdxTree::NodePtr CdxTree::split(const NodePtr& node)
{
    NodePtr right = createNode(node->leaf);
    node->moveTail(splitPoint(*node), *right);
    right->left = node->offset;
    right->right = node->right;
    if (node->right != kNoPage) {
        NodePtr after = load(node->right);
        after->left = right->offset;
        markDirty(after);
    }
    node->right = right->offset;
    markDirty(node);
    return right;
}

void CdxTree::growRoot(const NodePtr& left, const NodePtr& right)
{
    NodePtr root = createNode(false);
    root->root = true;
    left->root = right->root = false;
    root->insertEntry(0, left->key(left->count() - 1), left->recnos.back(), left->offset);
    root->insertEntry(1, right->key(right->count() - 1), right->recnos.back(), right->offset);
    root_ = root->offset;
    writeRootPointer();
}

void CdxTree::unlink(const CdxNode& node)
{
    if (node.left != kNoPage) {
        NodePtr left = load(node.left);
        left->right = node.right;
        markDirty(left);
    }
    if (node.right != kNoPage) {
        NodePtr right = load(node.right);
        right->left = node.left;
        markDirty(right);
    }
}

void CdxTree::release(const CdxNode& node)
{
    const uint32_t offset = node.offset;
    cache_.erase(offset);
    store_.freePage(offset); // forgets the held page too
}

void CdxTree::markDirty(const NodePtr& node) { store_.hold(node, codec_); }

void CdxTree::writeRootPointer()
{
    uint8_t bytes[4];
    writeLe32(bytes, root_);
    store_.write(headerOffset_ + kHeaderRoot, bytes, 4);
}

void CdxTree::flush()
{
    ++changeCount_;
    store_.afterChange(); // the tree is consistent here: the store may write its pages back
    // Changed pages live on in the store until written back, so dropping them here is safe.
    // Interior pages lie on every path, so leaves go first; the whole cache only past a cap.
    if (cache_.size() > kCachedPages) {
        cache_.clear();
        cachedLeaves_ = 0;
    } else if (cachedLeaves_ > kCachedLeaves) {
        for (auto it = cache_.begin(); it != cache_.end();)
            it = it->second->leaf ? cache_.erase(it) : std::next(it);
        cachedLeaves_ = 0;
    }
}

void CdxTree::freeAllPages()
{
    std::vector<uint32_t> level{root_};
    std::unordered_set<uint32_t> seen;
    for (size_t depth = 0; !level.empty() && depth <= kMaxTreeDepth; ++depth) {
        std::vector<uint32_t> below;
        for (uint32_t offset : level) {
            if (!seen.insert(offset).second)
                continue;
            NodePtr node = load(offset);
            if (!node->leaf)
                below.insert(below.end(), node->children.begin(), node->children.end());
            release(*node);
        }
        level = std::move(below);
    }
    cache_.clear();
    cachedLeaves_ = 0;
    ++changeCount_;
}

void CdxTree::clear()
{
    freeAllPages();
    NodePtr root = createNode(true);
    root->root = true;
    root_ = root->offset;
    writeRootPointer();
    flush();
}

} // namespace xbase
