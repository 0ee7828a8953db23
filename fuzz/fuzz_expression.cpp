// Feeds arbitrary text to the expression compiler and evaluates whatever compiles, on a blank
// record, on a filled one and on record bytes taken from the input; logical results also run
// as a query over a small indexed table. Errors must be XbaseError; nothing may crash.
//
// Input: expression text, optionally followed by a NUL byte and raw record bytes.
#include "../tests/xbase/QueryFakes.h"

#include "xbase/Expression.h"
#include "xbase/Query.h"
#include "xbase/XbaseError.h"
#include "xbase/XbaseExpressionCompiler.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace xbase;

std::vector<FieldDef> layoutFields()
{
    return {{"LNAME", 'C', 12}, {"CODES", 'C', 6}, {"ISDEL", 'L', 1}, {"AMOUNT", 'N', 9, 2}, {"RATE", 'F', 6, 3},
            {"BORN", 'D', 8}, {"NOTES", 'M', 10}, {"COUNT", 'I', 4}, {"PRICE", 'Y', 8}, {"WEIGHT", 'B', 8},
            {"STAMP", 'T', 8}};
}

fakes::FakeTable& table()
{
    static fakes::FakeTable* instance = [] {
        auto* t = new fakes::FakeTable(layoutFields());
        const char* names[] = {"Smith", "jones", "", "M\xFCller"};
        for (int i = 0; i < 24; ++i) {
            DetachedRecord r = t->blank();
            r.setText("LNAME", names[i % 4]);
            r.setText("CODES", i % 3 ? "abc" : "C");
            r.setLogical("ISDEL", i % 5 == 0);
            r.setNumber("AMOUNT", i * 1.5 - 7);
            r.setText("BORN", i % 2 ? "20240229" : "");
            r.setFlaggedDeleted(i % 7 == 0);
            t->append(r);
        }
        return t;
    }();
    return *instance;
}

fakes::FakeIndex& index()
{
    static fakes::FakeIndex* instance = new fakes::FakeIndex(table(), {
        {"NAME", "UPPER(LNAME)+UPPER(CODES)"}, {"AMOUNT", "AMOUNT"}, {"BORN", "BORN"},
        {"DELETED", "DELETED()"}, {"ISDEL", "ISDEL"}, {"NOTISDEL", "!ISDEL"}});
    return *instance;
}

void evaluate(const Expression& e, const RecordView& record)
{
    switch (e.type()) {
    case ValueType::Logical: (void)e.evaluateLogical(record); break;
    case ValueType::Text: (void)e.evaluateText(record); break;
    default: (void)e.evaluateNumber(record); break;
    }
    (void)e.evaluateAsText(record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string text = input.substr(0, split);
    fakes::FakeTable& t = table();
    DetachedRecord raw = t.blank();
    if (split != std::string::npos) {
        const std::string bytes = input.substr(split + 1);
        std::memcpy(raw.bytes().data(), bytes.data(), std::min(bytes.size(), raw.bytes().size()));
    }
    raw.setMemo("NOTES", text);
    for (bool exact : {false, true}) {
        try {
            const Expression e = Expression::compile(text, t.layout(), {exact});
            evaluate(e, DetachedRecord::blankLike(t.layout()));
            evaluate(e, t.readRecord(2));
            evaluate(e, raw);
            const XbaseExpressionCompiler compiler({exact});
            try {
                std::string key;
                const auto k = compiler.compileKey(text, t.layout());
                k->computeKey(raw, key);
                if (key.size() != k->keyLength())
                    __builtin_trap();
            } catch (const XbaseError&) {
            }
            if (e.type() == ValueType::Logical) {
                t.index = exact ? &index() : nullptr;
                Query query(t, {exact});
                query.setCondition(text);
                (void)query.count();
                for (uint32_t r = query.top(); r != 0; r = query.skip(r, 1)) {
                }
                t.index = &index();
                Query indexed(t, {exact});
                indexed.setCondition(text);
                t.index = nullptr;
                Query scanned(t, {exact});
                scanned.setCondition(text);
                // The tags must give the same answer as reading every record.
                if (indexed.count() != scanned.count())
                    __builtin_trap();
            }
        } catch (const XbaseError&) {
        }
    }
    return 0;
}
