// The layout commands of the command line: `layout show FILE` prints what a layout file holds,
// `layout render FILE ...` prints it as one page to a PDF or a PNG.
#pragma once

class TLayoutCommands {
public:
    static void Register();
};
