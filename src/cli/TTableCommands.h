// The table commands of the command line: list, count and check. With --raw they work on any
// .DBF as the engine sees it; without it, on the address record set.
#pragma once

class TTableCommands {
public:
    static void Register();
};
