// The report's page number: "##" on screen, the current page when printed.
#pragma once

#include "TLBaseLabel.h"

class TLPageNumberLabel : public TLBaseLabel {
public:
    QByteArray ClassName() const override { return QByteArrayLiteral("TLPageNumberLabel"); }
    void Print(TBaseReport& report, TInches x, TInches y) override;

protected:
    void PrepareCaption() override;

private:
    int PrintedPage = 0;
};
