# Turns the STRINGTABLE of the tool's resource script into a C++ source with
# a table of {number, text} sorted by number, for builds without a resource
# compiler.
#   cmake -DINPUT=Tolmeric.rc -DOUTPUT=ToolStrings.generated.cpp -P GenerateStringTable.cmake
#
# An entry is one line: number, optional comma, quoted text. The text may use
# the escapes \n \r \t \\ \a and "" for a quote; they mean in C++ what they
# mean to the resource compiler and to the script reader, so the text is
# copied with only the doubled quotes rewritten. Anything else stops the
# build, so that no build shows a string other than the resource compiler's.

if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "INPUT and OUTPUT must be given")
endif()

file(READ "${INPUT}" content)
# Keep the list functions away from the text's own list characters.
string(REPLACE ";" "<semicolon>" content "${content}")
string(REPLACE "[" "<open-bracket>" content "${content}")
string(REPLACE "]" "<close-bracket>" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(state outside)
set(entries "")
set(previous -1)
set(lineNumber 0)
foreach(line IN LISTS lines)
  math(EXPR lineNumber "${lineNumber} + 1")
  string(STRIP "${line}" stripped)
  if(state STREQUAL "outside")
    if(stripped MATCHES "^STRINGTABLE")
      set(state header)
    endif()
  elseif(state STREQUAL "header")
    if(stripped STREQUAL "BEGIN")
      set(state inside)
    endif()
  elseif(state STREQUAL "inside")
    if(stripped STREQUAL "END")
      set(state outside)
    elseif(stripped STREQUAL "" OR stripped MATCHES "^//")
      # blank line or comment
    elseif(stripped MATCHES "^([0-9]+)[ \t]*,?[ \t]*\"(.*)\"$")
      set(id "${CMAKE_MATCH_1}")
      set(text "${CMAKE_MATCH_2}")
      if(NOT id GREATER previous)
        message(FATAL_ERROR "${INPUT}:${lineNumber}: string ${id} is not above the one before it")
      endif()
      set(previous ${id})
      # A quote stands only doubled; a backslash only before n r t \ a.
      string(REPLACE "\"\"" "" unquoted "${text}")
      string(REGEX REPLACE "\\\\[nrta\\\\]" "" unescaped "${text}")
      if(unquoted MATCHES "\"" OR unescaped MATCHES "\\\\")
        message(FATAL_ERROR "${INPUT}:${lineNumber}: string ${id} holds a lone quote or an escape the table cannot copy")
      endif()
      string(REPLACE "\"\"" "\\\"" text "${text}")
      string(APPEND entries "    {${id}, u\"${text}\"},\n")
    else()
      message(FATAL_ERROR "${INPUT}:${lineNumber}: not a string table entry: ${stripped}")
    endif()
  endif()
endforeach()

string(REPLACE "<semicolon>" ";" entries "${entries}")
string(REPLACE "<open-bracket>" "[" entries "${entries}")
string(REPLACE "<close-bracket>" "]" entries "${entries}")

set(source "// Generated from ${INPUT}; do not edit.
#include \"app/ToolStringTable.h\"

namespace tolmeric {

const CToolStringTable::Entry CToolStringTable::kEntries[] = {
${entries}};

const size_t CToolStringTable::kEntryCount = sizeof(kEntries) / sizeof(kEntries[0]);

}  // namespace tolmeric
")
# Rewrite only on change, so that a touched script does not rebuild
# everything after it.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL source)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${source}")
