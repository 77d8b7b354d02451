# Turns a country's saints' days (data/saints-<country>.tsv: "dd/mm<TAB>First-name" lines
# in UTF-8, "#" comments) into a C++ table; the compiler then makes each name
# Windows-1252. Run at build time:
#   cmake -DINPUT=<file.tsv> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -P SaintsTable.cmake
# Fails on any line that is neither a comment nor a day of the year with a name.

file(READ "${INPUT}" text)
# One list element per line, whatever the comments hold.
string(REPLACE "\r" "" text "${text}")
string(REPLACE ";" "<semicolon>" text "${text}")
string(REPLACE "[" "<bracket>" text "${text}")
string(REPLACE "]" "<bracket>" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

set(days_in_month 31 29 31 30 31 30 31 31 30 31 30 31)
set(rows "")
set(number 0)
foreach(line IN LISTS lines)
  math(EXPR number "${number} + 1")
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([0-3][0-9])/([01][0-9])\t([^\t\"\\\\<>]+)$")
    message(FATAL_ERROR "${INPUT}:${number}: expected dd/mm, a tab and a first name: ${line}")
  endif()
  set(name "${CMAKE_MATCH_3}")
  math(EXPR day "1${CMAKE_MATCH_1} - 100")
  math(EXPR month "1${CMAKE_MATCH_2} - 100")
  if(month LESS 1 OR month GREATER 12)
    message(FATAL_ERROR "${INPUT}:${number}: no month ${month}")
  endif()
  math(EXPR index "${month} - 1")
  list(GET days_in_month ${index} longest)
  if(day LESS 1 OR day GREATER longest)
    message(FATAL_ERROR "${INPUT}:${number}: no day ${day} in month ${month}")
  endif()
  string(APPEND rows "    {{${day}, ${month}}, \"${name}\"},\n")
endforeach()

get_filename_component(source_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}"
"// Made by cmake/SaintsTable.cmake from data/${source_name}: change that file, not this one.

#include \"core/saints/SaintEntry.h\"

namespace zelmora {

namespace {

constexpr SaintEntry Entries[] = {
${rows}};

} // namespace

std::span<const SaintEntry> ${FUNCTION}() { return Entries; }

} // namespace zelmora
")
