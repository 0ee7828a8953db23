// What the query optimiser needs of an open index: the tags it holds and, for one tag, the
// record numbers whose keys lie in a range. A query answers a conjunct such as
// UPPER(LNAME)="SMI" from the tag keyed on UPPER(LNAME) instead of reading every record.
//
// Key bounds compare by prefix: a key k satisfies a bound b when the first b.bytes.size()
// bytes of k compare (as unsigned bytes) to b.bytes as the bound asks. So low = high = "SMI",
// both inclusive, selects every key that begins with "SMI"; an absent bound is open.
// Numeric and date keys are compared in their 8-byte sortable encoding, logical keys as 'T'/'F'.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace xbase {

struct TagDescription {
    std::string name;
    std::string keyExpression;
    std::string forExpression; // empty when the tag holds every record
    bool descending = false;
    bool unique = false;
};

struct KeyBound {
    bool present = false;
    bool inclusive = true;
    std::string bytes;
};

class KeyRangeSource {
public:
    virtual ~KeyRangeSource() = default;
    virtual std::vector<TagDescription> tagDescriptions() const = 0;
    // Calls visit once for every entry of tag `tagIndex` (position in tagDescriptions())
    // whose key lies within [low, high]; the order of the calls is unspecified.
    virtual void visitRange(size_t tagIndex, const KeyBound& low, const KeyBound& high,
                            const std::function<void(uint32_t recno)>& visit) = 0;
};

} // namespace xbase
