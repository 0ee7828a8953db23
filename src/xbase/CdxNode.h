// One decoded page of an index tree: its keys (fixed width, laid end to end), their record
// numbers and, for interior pages, the child page of each entry. Entry i of an interior page
// carries the last key and record number of child i.
#pragma once

#include "CdxFormat.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace xbase {

struct CdxNode {
    uint32_t offset = 0;
    bool leaf = true;
    bool root = false;
    uint32_t left = cdx::kNoPage;
    uint32_t right = cdx::kNoPage;
    uint16_t keyLength = 0;
    std::vector<uint8_t> keys;
    std::vector<uint32_t> recnos;
    std::vector<uint32_t> children;

    size_t count() const { return recnos.size(); }
    const uint8_t* key(size_t i) const { return keys.data() + i * keyLength; }
    uint8_t* key(size_t i) { return keys.data() + i * keyLength; }

    void insertEntry(size_t at, const uint8_t* keyBytes, uint32_t recno, uint32_t child = 0)
    {
        keys.insert(keys.begin() + ptrdiff_t(at * keyLength), keyBytes, keyBytes + keyLength);
        recnos.insert(recnos.begin() + ptrdiff_t(at), recno);
        if (!leaf)
            children.insert(children.begin() + ptrdiff_t(at), child);
    }
    void eraseEntry(size_t at)
    {
        keys.erase(keys.begin() + ptrdiff_t(at * keyLength), keys.begin() + ptrdiff_t((at + 1) * keyLength));
        recnos.erase(recnos.begin() + ptrdiff_t(at));
        if (!leaf)
            children.erase(children.begin() + ptrdiff_t(at));
    }
    // Sets entry `at` to (keyBytes, recno); true when it changed.
    bool setEntry(size_t at, const uint8_t* keyBytes, uint32_t recno)
    {
        if (recnos[at] == recno && std::memcmp(key(at), keyBytes, keyLength) == 0)
            return false;
        std::memcpy(key(at), keyBytes, keyLength);
        recnos[at] = recno;
        return true;
    }
    // Moves entries [from, count) to the end of `other`.
    void moveTail(size_t from, CdxNode& other)
    {
        other.keys.insert(other.keys.end(), keys.begin() + ptrdiff_t(from * keyLength), keys.end());
        other.recnos.insert(other.recnos.end(), recnos.begin() + ptrdiff_t(from), recnos.end());
        if (!leaf)
            other.children.insert(other.children.end(), children.begin() + ptrdiff_t(from), children.end());
        keys.resize(from * keyLength);
        recnos.resize(from);
        if (!leaf)
            children.resize(from);
    }
};

} // namespace xbase
