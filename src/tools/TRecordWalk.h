// What a tool that rewrites records needs around its loop: the table's condition, order and
// current record remembered and put back on every path (also after an error), and the records
// to visit listed before the first write, so records that leave the set or move in the order
// once written are neither skipped nor visited twice.
//
// Contract: the table outlives the walk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TAddressTable;

class TRecordWalk {
public:
    explicit TRecordWalk(TAddressTable& table);
    ~TRecordWalk();
    TRecordWalk(const TRecordWalk&) = delete;
    TRecordWalk& operator=(const TRecordWalk&) = delete;

    // The members of the table's current record set in record-number order (the writes then
    // go forward through the file and its tags).
    std::vector<uint32_t> Members();
    // The remembered current record alone (none when the table stood at its end).
    std::vector<uint32_t> CurrentOnly() const;

private:
    TAddressTable& Table;
    std::string Condition;
    size_t Order = 0;
    uint32_t Recno = 0;
};
