// The import command of the command line: a delimited text file, another DBF table or a table
// of release 1.x or 2.x appended to an address table, through the classes the windows use.
#pragma once

class TImportCommands {
public:
    static void Register();
};
