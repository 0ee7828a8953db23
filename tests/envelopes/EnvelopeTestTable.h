// A throw-away program folder (sysdata, settings file) with an address table of a few people,
// scripted prompts, and a small envelope layout: a return address text and an address block.
#pragma once

#include "data/PeopleTestTable.h"
#include "layout/TEnvelopePanel.h"
#include "layout/TLPLabel.h"

#include <memory>

class EnvelopeTestTable : public PeopleTestTable {
protected:
    // "FROM" at the top left and an address block at 4.5 x 2 inches of a #10 envelope.
    static void WriteLayout(const QString& path)
    {
        TEnvelopePanel panel;
        panel.SetSize(912, 396);
        auto from = panel.CreateObject(TLPanelState::psLabel);
        static_cast<TLPLabel*>(from.get())->SetCaption(QStringLiteral("FROM"));
        panel.AddObject(std::move(from), QRect(10, 10, 80, 20));
        panel.AddObject(panel.CreateObject(TLPanelState::psAddressLabel), QRect(432, 192, 300, 100));
        panel.SaveToFile(path);
    }
};
