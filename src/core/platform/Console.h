#pragma once
// What a command-line program gets from the system it runs on: its arguments and its
// standard output.

#include <string>
#include <vector>

namespace zelmora {

// The arguments after the program's name, in UTF-8. On Windows they are read again from
// the wide command line: argv holds them in the ANSI code page, which loses characters.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Makes the standard output pass bytes on as they are written and the console show them
// as UTF-8 (Windows would otherwise add carriage returns and use the OEM code page).
void prepareStandardOutput();

// The descriptor of the standard output, and whether it is a terminal.
int standardOutput();
bool standardOutputIsTerminal();

} // namespace zelmora
