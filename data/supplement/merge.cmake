# cmake -DOUT=merged.txt -DSOURCES="main.txt;a.txt;b.txt" -P merge.cmake
# Writes the sources one after another into OUT, each ending with a line end, so the last line
# of one never runs into the first line of the next. OUT is written whole or not at all.
cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS OUT SOURCES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "merge.cmake: -D${var}=... is missing")
  endif()
endforeach()

foreach(source IN LISTS SOURCES)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "merge.cmake: no source ${source}")
  endif()
endforeach()

set(staged ${OUT}.tmp)
file(WRITE ${staged} "")
foreach(source IN LISTS SOURCES)
  file(READ ${source} text)
  string(LENGTH "${text}" length)
  set(last "\n")
  if(length GREATER 0)
    math(EXPR end "${length} - 1")
    string(SUBSTRING "${text}" ${end} 1 last)
  endif()
  file(APPEND ${staged} "${text}")
  if(NOT last STREQUAL "\n")
    file(APPEND ${staged} "\n")
  endif()
endforeach()
file(RENAME ${staged} ${OUT})
