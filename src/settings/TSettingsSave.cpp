#include "TSettingsSave.h"

#include "TIniFile.h"
#include "prompts/TUserPrompts.h"

namespace {
bool Told = false;
}

bool TSettingsSave::Guarded(const TIniFile& settings, const std::function<void()>& write)
{
    try {
        write();
        return true;
    } catch (const TIniError&) {
        if (!Told) {
            Told = true;
            TUserPrompts::Current().Information(QStringLiteral("Unable to save settings to ") + settings.FileName());
        }
        return false;
    }
}

void TSettingsSave::ForgetTold() { Told = false; }
