#pragma once
// What `zelmora --help` prints and a usage error shows: the window's own options first,
// then printing without a window.

#include <string_view>

namespace zelmora::gui {

inline constexpr std::string_view ProgramUsage =
    "Usage: zelmora [--data-dir DIR] [--lang en|fr] [--today YYYY-MM-DD]\n"
    "       zelmora --print-pdf FILE [--friend \"LAST-NAME FIRST-NAME\"] [--data-dir DIR] [--lang en|fr]\n"
    "       zelmora --help | --version\n"
    "\n"
    "Opens the window on your friends and the dates to celebrate:\n"
    "  --data-dir DIR     the folder holding Zelmor.dta and Zelmor.reg\n"
    "  --lang en|fr       the language of this run (default: the program's setting)\n"
    "  --today DATE       the date taken as today for this run, written YYYY-MM-DD\n"
    "\n"
    "Prints friend cards without opening any window:\n"
    "  --print-pdf FILE   prints the cards of all friends (or of one) to the PDF file FILE\n"
    "                     (- for the standard output)\n"
    "  --friend TEXT      only the friend listed as TEXT (last name, a blank, first name)\n";

} // namespace zelmora::gui
