# cmake -DIN=zadrovec.ini.in -DOUT=zadrovec.ini -P seedini.cmake
# Writes the seed settings file: @WORD_STOCK_DATE@ replaced by today's date as d.m.yyyy, line ends
# CR LF, text converted from UTF-8 to Windows-1250 by iconv. The file is written whole or not at
# all.
cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS IN OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "seedini.cmake: -D${var}=... is missing")
  endif()
endforeach()

string(TIMESTAMP day "%d")
string(TIMESTAMP month "%m")
string(TIMESTAMP year "%Y")
math(EXPR day "${day}")
math(EXPR month "${month}")
set(WORD_STOCK_DATE "${day}.${month}.${year}")

file(READ ${IN} text)
string(REPLACE "@WORD_STOCK_DATE@" "${WORD_STOCK_DATE}" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
set(utf8 ${OUT}.utf8.tmp)
set(staged ${OUT}.tmp)
file(WRITE ${utf8} "${text}")
execute_process(COMMAND iconv -f UTF-8 -t WINDOWS-1250 ${utf8}
                OUTPUT_FILE ${staged} RESULT_VARIABLE status ERROR_VARIABLE error)
file(REMOVE ${utf8})
if(NOT status EQUAL 0)
  file(REMOVE ${staged})
  message(FATAL_ERROR "seedini.cmake: iconv failed on ${IN}: ${error}")
endif()
file(RENAME ${staged} ${OUT})
