// The ZIP commands of the command line: `presort` writes the bulk-mail presort list and prints
// what it grouped; `zip-count` gives the ZIP code count as CSV or prints its report. Both work
// on the address record set of TABLE with the record-set options, through the same classes as
// the windows.
#pragma once

class TPresortCommands {
public:
    static void Register();
};
