# Writes the man page of verdika-cli from the program's own help, so the page
# never drifts from the help texts.
#   cmake -DCLI=path/to/verdika-cli -DOUT=verdika-cli.1.gz -DVERSION=x.y.z -DDATE=yyyy-mm-dd -P manpage.cmake
# The subcommands are the indented first words of the top-level help that
# answer "verdika-cli WORD --help" with a help of their own, so the list
# follows whatever the help shows and however it is laid out.
cmake_minimum_required(VERSION 3.25)

foreach(_v CLI OUT VERSION DATE)
  if(NOT DEFINED ${_v})
    message(FATAL_ERROR "manpage.cmake: ${_v} not given")
  endif()
endforeach()

function(run_help out_var ok_var)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE _out ERROR_QUIET RESULT_VARIABLE _rc)
  set(${out_var} "${_out}" PARENT_SCOPE)
  if(_rc EQUAL 0 AND NOT _out STREQUAL "")
    set(${ok_var} TRUE PARENT_SCOPE)
  else()
    set(${ok_var} FALSE PARENT_SCOPE)
  endif()
endfunction()

# Text set verbatim in roff: backslashes and minus signs kept, no line read as a request.
function(roff_verbatim out_var text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out_var} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

run_help(top ok --help)
if(NOT ok)
  message(FATAL_ERROR "manpage.cmake: ${CLI} --help gave no help")
endif()

# Brackets would hold list items together, and only first words matter here.
string(REGEX REPLACE "[][;]" " " _lines "${top}")
string(REPLACE "\n" ";" _lines "${_lines}")
set(commands)
foreach(line IN LISTS _lines)
  if(line MATCHES "^[ \t]+([a-z][a-z0-9_-]*)")
    set(word ${CMAKE_MATCH_1})
    if(NOT word IN_LIST commands AND NOT word STREQUAL "help")
      run_help(sub ok ${word} --help)
      if(ok AND NOT sub STREQUAL top)
        list(APPEND commands ${word})
        set(help_${word} "${sub}")
      endif()
    endif()
  endif()
endforeach()
if(NOT commands)
  message(FATAL_ERROR "manpage.cmake: no subcommand found in the help of ${CLI}")
endif()

roff_verbatim(top_roff "${top}")
set(page ".\\\" Generated from the help of verdika-cli at build time; edit the help texts, not this page.\n")
string(APPEND page ".TH VERDIKA\\-CLI 1 \"${DATE}\" \"Verdika ${VERSION}\" \"Verdika\"\n")
string(APPEND page ".SH JMÉNO\nverdika\\-cli \\- výpočty programu Verdika z příkazové řádky\n")
string(APPEND page ".SH POUŽITÍ\n.B verdika\\-cli\n.I PŘÍKAZ\n.RI [ ARGUMENTY ]\n")
string(APPEND page ".SH POPIS\n${top_roff}")
string(APPEND page ".SH PŘÍKAZY\n")
foreach(c IN LISTS commands)
  roff_verbatim(sub_roff "${help_${c}}")
  string(APPEND page ".SS ${c}\n${sub_roff}")
endforeach()
string(APPEND page ".SH SOUBORY\n"
  ".TP\n.I /usr/share/verdika/\nTabulky sazeb a texty předpisů dodané s programem (jen ke čtení).\n"
  ".TP\n.I ~/.local/share/Verdika/\nDatový adresář uživatele (nebo \\fI$XDG_DATA_HOME/Verdika/\\fR): nastavení, "
  "tabulka úrokových sazeb, úkoly, exporty.\n"
  ".SH PROSTŘEDÍ\n.TP\n.B VERDIKA_DATA_DIR\nUrčuje jiný datový adresář.\n")

get_filename_component(_dir "${OUT}" DIRECTORY)
string(REGEX REPLACE "\\.gz$" "" _plain "${OUT}")
file(WRITE "${_plain}.tmp" "${page}")
execute_process(COMMAND gzip -9nc "${_plain}.tmp" OUTPUT_FILE "${OUT}.tmp" RESULT_VARIABLE _rc)
file(REMOVE "${_plain}.tmp")
if(NOT _rc EQUAL 0)
  file(REMOVE "${OUT}.tmp")
  message(FATAL_ERROR "manpage.cmake: gzip failed")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")
