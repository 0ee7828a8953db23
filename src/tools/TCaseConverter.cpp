#include "TCaseConverter.h"

#include "TRecordWalk.h"

#include "data/TAddressTable.h"
#include "xbase/BatchCommitter.h"

const std::array<TCaseField, 15>& TCaseConverter::Fields()
{
    static const std::array<TCaseField, 15> fields = {{{"Last", "LNAME"},
                                                       {"First", "FNAME"},
                                                       {"Middle", "MIDDLE"},
                                                       {"Title", "TITLE"},
                                                       {"Organization", "ORG"},
                                                       {"Address 1", "STREET"},
                                                       {"Address 2", "STREET2"},
                                                       {"City", "CITY"},
                                                       {"State/Province", "STATE"},
                                                       {"Zip/Postal Code", "ZIP"},
                                                       {"Country", "COUNTRY"},
                                                       {"Prefix", "PREFIX"},
                                                       {"Comment 1", "USER1"},
                                                       {"Comment 2", "USER2"},
                                                       {"Codes", "CODES"}}};
    return fields;
}

QString TCaseConverter::Convert(const QString& text, TCaseConversion conversion)
{
    QString out = text;
    bool wordStart = true;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        const bool small = u >= u'a' && u <= u'z';
        const bool capital = u >= u'A' && u <= u'Z';
        bool upper = false;
        switch (conversion) {
        case TCaseConversion::ccUpper:
            upper = small || capital;
            break;
        case TCaseConversion::ccLower:
            upper = false;
            break;
        case TCaseConversion::ccCapitalized:
            upper = wordStart;
            break;
        }
        if (upper && small)
            c = QChar(u - u'a' + u'A');
        else if (!upper && capital)
            c = QChar(u - u'A' + u'a');
        wordStart = u == u' ';
    }
    return out;
}

TCaseConverter::TResult TCaseConverter::Run(TAddressTable& table, TCaseRecords records, TCaseConversion conversion,
                                            const QStringList& fields, const TToolProgress& progress)
{
    TResult result;
    TRecordWalk walk(table);
    if (records == TCaseRecords::crAll)
        table.SetFilterText(QString()); // every record not marked deleted; the walk puts the filter back
    const std::vector<uint32_t> members = records == TCaseRecords::crCurrent ? walk.CurrentOnly() : walk.Members();
    xbase::DbfTable& rows = table.Table();
    xbase::BatchCommitter batch(rows); // the index writes each changed page once per batch
    for (const uint32_t recno : members) {
        rows.go(recno);
        bool changed = false;
        for (const QString& field : fields) {
            const QString before = table.FieldText(field);
            const QString after = Convert(before, conversion);
            if (after != before) {
                table.SetFieldText(field, after);
                changed = true;
            }
        }
        ++result.Visited;
        result.Changed += changed ? 1 : 0;
        batch.recordDone();
        if (progress && !progress({result.Visited, static_cast<uint32_t>(members.size()), result.Changed}))
            break;
    }
    batch.finish();
    return result;
}
