// The five dialling settings of the settings file's "Dialing" section: prefix, modem
// initialization string, port, method and whether to dial through the telephony service.
// The port is kept as the old numbers 0..3 for COM1..COM4 and as a device path for any other
// serial device (a USB modem), so a settings file of an older install still reads.
#pragma once

#include "dialer/TDialer.h"

#include <QString>

class TIniFile;

struct TDialSettings {
    QString Prefix;
    QString Init;
    QString Port = QStringLiteral("COM1"); // "COM1".."COM4" or a device path
    TDialMethod Method = TDialMethod::dmTone;
    bool UseTelephony = false;             // key "UseTAPI"

    static TDialSettings Load(const TIniFile& settings);
    void Save(TIniFile& settings) const;
};
