// Address standardization as a rule for TFieldRewrite: which fields it works on (Address 1 and
// 2, State, Zip by default; City on request) and each field's standard form.
//
// Contract: the tables handed to Rule() stay alive as long as the rule (it holds them).
#pragma once

#include "TFieldRewrite.h"

#include "data/TAddressStandardizer.h"

#include <QString>
#include <QStringList>

#include <memory>

class TStandardizeRule {
public:
    // STREET, STREET2, STATE, ZIP.
    static QStringList DefaultFields();
    // The default fields and CITY, in the order they are shown and written.
    static QStringList OfferedFields();
    static QString CaptionOf(const QString& field);
    // A field list as typed (names or captions, comma-separated, any case) in the offered
    // order; empty with the reason in `error` when a name is not one of them.
    static QStringList FieldsNamed(const QString& list, QString* error);

    static TFieldRewrite::TRule Rule(std::shared_ptr<const TAddressStandardizer> tables, const QStringList& fields, bool upper);
};
