// Turns a stored value into a property's type, accepting every encoding that fits (any integer
// form for integers, a name or an integer for colours and cursors, a short or long string for
// text). A value that does not fit throws "Invalid property value".
#pragma once

#include "TLNames.h"
#include "TLStreamError.h"
#include "TLStreamValue.h"

#include <QStringList>

namespace TLValueRead {

[[noreturn]] inline void Invalid() { throw TLStreamError(TLStreamError::InvalidPropertyValue()); }

int32_t Integer(const TLValue& value);
bool Boolean(const TLValue& value);
QString String(const TLValue& value);
int Enum(const TLValue& value, TLNameTable table);
TColor Color(const TLValue& value);
int Cursor(const TLValue& value);
unsigned Set(const TLValue& value, TLNameTable table);
QStringList Strings(const TLValue& value);

template <typename E> E EnumOf(const TLValue& value, TLNameTable table) { return E(Enum(value, table)); }

} // namespace TLValueRead
