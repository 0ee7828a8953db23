// The dial command of the command line: dials a number through the modem path with the
// settings of the "Dialing" section unless options override them, shows the exact commands
// with --dry-run, and lists the serial ports found with --list-ports.
#pragma once

class TDialCommands {
public:
    static void Register();
};
