// The letter commands of the command line: list, import and export the stored letters, and
// merge a letter with the records of an address table into a PDF or onto a printer, through
// the same print loop as the letter window.
#pragma once

class TLetterCommands {
public:
    static void Register();
};
