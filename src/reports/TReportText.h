// Breaking a memo into printed lines: paragraphs at its line breaks, words wrapped at a width
// measured in the job's current font, a word wider than the width cut where it no longer fits.
#pragma once

#include "output/TInches.h"

#include <QStringList>

#include <functional>

class TReportText {
public:
    using TMeasure = std::function<TInches(const QString&)>;
    static QStringList WrapLines(const QString& text, TInches width, const TMeasure& measure);
    // A memo whose only line is blank prints nothing.
    static bool PrintsNothing(const QStringList& lines) { return lines.isEmpty() || (lines.size() == 1 && lines[0].trimmed().isEmpty()); }
};
