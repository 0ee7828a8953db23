// The program folder: the one folder that holds QUORVA.ini, DATA/ (address tables) and
// sysdata/ (system tables, layouts). It is resolved once at start, in this order: the --home
// option, the QUORVANE_HOME environment variable, the executable's own folder when it holds
// sysdata/ and is writable (a portable install), else $XDG_DATA_HOME/quorvane
// (~/.local/share/quorvane). Paths end with '/'.
#pragma once

#include <QString>

class TProgramFolder {
public:
    // Picks the folder by the rules above; `explicitHome` is the --home value (may be empty).
    static QString Resolve(const QString& explicitHome);
    // Makes `path` the program folder for the rest of the run (tests call this directly).
    static void SetPath(const QString& path);
    // Creates the folder, DATA/ and sysdata/, and copies into sysdata/ every delivered file it
    // does not hold yet, and the main spelling dictionary quorva.dct (delivered beside sysdata/)
    // into the folder itself (the user's own files are never overwritten). Throws std::runtime_error
    // with the folder's name when a folder cannot be made.
    static void Prepare();

    static QString Path();
    static QString DataFolder();
    static QString SysdataFolder();
    static QString SettingsFile();
    // Where the data delivered with the program is: QUORVANE_SYSDATA, else
    // <executable>/../share/quorvane/sysdata (build tree and installation alike).
    static QString DeliveredSysdata();
};
