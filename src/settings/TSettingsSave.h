// Writes of the settings file that must never end the program. A settings file that cannot be
// written (read-only, a full disk) makes TIniFile throw; the program tells the user once per run
// and goes on with the values it holds in memory.
#pragma once

#include <functional>

class TIniFile;

class TSettingsSave {
public:
    // Runs `write` on `settings`; a failed write shows "Unable to save settings to " + the file's
    // path through the prompt service, the first time in this run only. True when written.
    static bool Guarded(const TIniFile& settings, const std::function<void()>& write);
    // Tests start each case as a new run.
    static void ForgetTold();
};
