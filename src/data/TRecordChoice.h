// The record choice that the label, envelope, letter and report dialogs share: which records to
// print ("All records", "Records matching filter", "Only current record") and whether to start
// from the current record. Constructing it narrows and positions the table; the print loop then
// runs from the current record to the end of the set; destroying it puts back the condition,
// order and record the table had before.
//
// Contract: the table outlives the choice. Messages go through the prompt service.
#pragma once

#include <QString>

#include <cstdint>
#include <string>

class TAddressTable;

class TRecordChoice {
public:
    enum class TPrintout { Labels, Envelopes, Letters, Reports };
    enum class TRecords { All, MatchingFilter, OnlyCurrent };

    static constexpr const char* OutOfRangeMessage = "Current record is out of range. Starting with first record";

    TRecordChoice(TAddressTable& table, TPrintout printout, TRecords records, bool startFromCurrent);
    ~TRecordChoice();
    TRecordChoice(const TRecordChoice&) = delete;
    TRecordChoice& operator=(const TRecordChoice&) = delete;

    // Envelopes and letters print "Only current record" as that one record, the set unchanged.
    bool SingleRecord() const { return Single; }
    // The records the dialog preselects.
    static TRecords DefaultRecords(TPrintout printout);
    // Whether the table's current record belongs to its record set (going to a record by
    // number lands on it whatever the set).
    static bool InRecordSet(TAddressTable& table);

private:
    void Narrow(TPrintout printout, TRecords records);
    void Position(TPrintout printout, TRecords records, bool startFromCurrent);

    TAddressTable& Table;
    uint32_t SavedRecord = 0;
    std::string SavedCondition;
    size_t SavedOrder = 0;
    bool Single = false;
};
