// Static text. An emptied caption is stored explicitly, so it reads back empty rather than as
// the creation text "Text".
#pragma once

#include "TLBaseLabel.h"

class TLPLabel : public TLBaseLabel {
public:
    QByteArray ClassName() const override { return QByteArrayLiteral("TLPLabel"); }

protected:
    bool StoresEmptyCaption() const override { return true; }
};
