// The list maintenance tools on the command line: dupes, zipcheck, case, export and replace,
// over the same engines as their windows (src/tools).
#pragma once

class TToolCommands {
public:
    static void Register();
};
