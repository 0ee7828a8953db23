// An address table of a few people in a temporary program folder (with its sysdata folder for
// LETTER.DBF), for the store, merge and print-loop tests. Fields are given as NAME=value.
#pragma once

#include "data/PeopleTestTable.h"
#include "richtext/TRichDocument.h"
#include "richtext/TRtfReader.h"

#include <memory>

class LetterTestTable : public PeopleTestTable {
protected:
    static std::unique_ptr<TRichDocument> Letter(const QByteArray& rtf)
    {
        auto document = std::make_unique<TRichDocument>();
        TRtfReader::Read(rtf, *document);
        return document;
    }

    static QString Text(const TRichDocument& document)
    {
        return document.Document().toRawText().replace(QChar::ParagraphSeparator, u'\n');
    }
};
