#include "TAddressRecordPrintout.h"

#include "data/TAddressTable.h"

#include <stdexcept>

TRecordPrintout TAddressRecordPrintout::FromTable(const TAddressTable& table)
{
    TRecordPrintout printout;
    for (const auto& choice : kRecordPrintoutChoices) {
        const QString field = QLatin1String(choice.FieldName);
        if (field == QLatin1String("MEMO"))
            printout.Memo = table.Memo();
        else
            printout.Fields.push_back({QLatin1String(choice.Label), table.Value(field)});
    }
    return printout;
}

QStringList TAddressRecordPrintout::LabelsFor(const QStringList& fieldsOrLabels)
{
    QStringList labels;
    for (const QString& wanted : fieldsOrLabels) {
        const TRecordPrintoutChoice* match = nullptr;
        for (const auto& choice : kRecordPrintoutChoices)
            if (wanted.compare(QLatin1String(choice.FieldName), Qt::CaseInsensitive) == 0
                || wanted.compare(QLatin1String(choice.Label), Qt::CaseInsensitive) == 0
                || (wanted.compare(QLatin1String("DATE"), Qt::CaseInsensitive) == 0
                    && QLatin1String(choice.FieldName) == QLatin1String("DisplayDate")))
                match = &choice;
        if (!match)
            throw std::runtime_error(("a record printout has no field " + wanted).toStdString());
        labels << QLatin1String(match->Label);
    }
    return labels;
}
