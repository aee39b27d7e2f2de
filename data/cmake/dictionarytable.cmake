# zadrovec_read_dictionary_table(TABLE): reads the table of dictionaries, data/dictionaries.tsv,
# once for the whole build (the top-level CMakeLists.txt calls it). It makes the engine's table
# (the rows of engine/dictionary/dictionarytable.h, generated as dictionarytable_rows.inc) and
# tells data/ which dictionaries to build and how. A row a dictionary, in the order every visit
# of them goes; the columns, tab-separated:
#   file           the base name of its files in the data folder (lower-case letters)
#   title          its name for people (UTF-8; no tab, double quote or backslash)
#   main_window    yes: one of the main window's dictionaries, which come first
#   one_text_file  yes: a text file of lines (FILE.txt), no: a record pair (FILE.dat, FILE.idx)
#   source         the recipe that makes its source, zadrovec_source_NAME of data/cmake/:
#                  "written" for data/FILE.txt written here, else one that reads a package
# It sets in the caller's scope ZADROVEC_DICTIONARIES (the files in order),
# ZADROVEC_MAIN_WINDOW_DICTIONARIES, ZADROVEC_GENERATED_INCLUDE_DIR (the include folder of the
# generated rows) and, for each FILE, ZADROVEC_DICTIONARY_<FILE>_{TITLE,MAIN_WINDOW,ONE_TEXT_FILE,
# SOURCE,LINE}. A malformed row stops the configuration, naming its line.

function(zadrovec_read_dictionary_table table)
  file(RELATIVE_PATH table_name ${PROJECT_SOURCE_DIR} ${table})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
  file(STRINGS ${table} table_lines ENCODING UTF-8)

  set(header "file\ttitle\tmain_window\tone_text_file\tsource")
  list(POP_FRONT table_lines first_line)
  if(NOT first_line STREQUAL header)
    string(REPLACE "\t" "<TAB>" header "${header}")
    message(FATAL_ERROR "${table_name}:1: the header line is not \"${header}\"")
  endif()

  set(ZADROVEC_DICTIONARIES)
  set(ZADROVEC_MAIN_WINDOW_DICTIONARIES)
  set(outputs ZADROVEC_DICTIONARIES ZADROVEC_MAIN_WINDOW_DICTIONARIES
      ZADROVEC_GENERATED_INCLUDE_DIR)
  set(cxx_rows "// Made by the build from ${table_name}, one row a dictionary; do not edit.\n")
  set(line_number 1)
  foreach(row IN LISTS table_lines)
    math(EXPR line_number "${line_number} + 1")
    if(row STREQUAL "")
      continue()
    endif()
    if(NOT row MATCHES "^([a-z]+)\t([^\t\"\\]+)\t(yes|no)\t(yes|no)\t([a-z0-9_]+)$")
      string(REPLACE "\t" "<TAB>" shown "${row}")
      message(FATAL_ERROR "${table_name}:${line_number}: not \"FILE<TAB>TITLE<TAB>yes|no<TAB>"
                          "yes|no<TAB>SOURCE\" (FILE in lower-case letters, TITLE without \" "
                          "or \\): \"${shown}\"")
    endif()
    set(file ${CMAKE_MATCH_1})
    set(title "${CMAKE_MATCH_2}")
    set(main_window ${CMAKE_MATCH_3})
    set(one_text_file ${CMAKE_MATCH_4})
    set(source ${CMAKE_MATCH_5})
    if(file IN_LIST ZADROVEC_DICTIONARIES)
      message(FATAL_ERROR "${table_name}:${line_number}: the file ${file} has a row already "
                          "(line ${ZADROVEC_DICTIONARY_${file}_LINE})")
    endif()
    list(APPEND ZADROVEC_DICTIONARIES ${file})
    if(main_window STREQUAL "yes")
      list(APPEND ZADROVEC_MAIN_WINDOW_DICTIONARIES ${file})
    endif()
    set(ZADROVEC_DICTIONARY_${file}_TITLE "${title}")
    set(ZADROVEC_DICTIONARY_${file}_MAIN_WINDOW ${main_window})
    set(ZADROVEC_DICTIONARY_${file}_ONE_TEXT_FILE ${one_text_file})
    set(ZADROVEC_DICTIONARY_${file}_SOURCE ${source})
    set(ZADROVEC_DICTIONARY_${file}_LINE ${line_number})
    foreach(column TITLE MAIN_WINDOW ONE_TEXT_FILE SOURCE LINE)
      list(APPEND outputs ZADROVEC_DICTIONARY_${file}_${column})
    endforeach()

    string(REPLACE "yes" "true" main_window ${main_window})
    string(REPLACE "no" "false" main_window ${main_window})
    string(REPLACE "yes" "true" one_text_file ${one_text_file})
    string(REPLACE "no" "false" one_text_file ${one_text_file})
    string(APPEND cxx_rows "    {\"${file}\", \"${title}\", ${main_window}, ${one_text_file}},\n")
  endforeach()
  if(NOT ZADROVEC_DICTIONARIES)
    message(FATAL_ERROR "${table_name}: no dictionary below the header line")
  endif()

  # The engine's rows, rewritten only when they change, so that an edit of the table recompiles
  # what includes them and nothing else does.
  set(ZADROVEC_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/generated)
  file(CONFIGURE OUTPUT ${ZADROVEC_GENERATED_INCLUDE_DIR}/engine/dictionary/dictionarytable_rows.inc
       CONTENT "@cxx_rows@" @ONLY)
  return(PROPAGATE ${outputs})
endfunction()
