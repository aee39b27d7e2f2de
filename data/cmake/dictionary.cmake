# zadrovec_dictionary(BASE SOURCE [HEADER text]): a dictionary pair, BASE.dat and BASE.idx in the
# programs' folder, built from the UTF-8 SOURCE by zadrovec-cli and checked before it is put
# there; target dictionary_BASE. A pair that fails the check is never put there, so the next build
# tries again. Without HEADER, record 0 holds the date of the build (d.m.yyyy), the word stock's
# date.
function(zadrovec_dictionary base source)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "HEADER" "")
  set(staged ${CMAKE_CURRENT_BINARY_DIR}/${base})
  set(final ${CMAKE_BINARY_DIR}/${base})
  set(header_option)
  if(DEFINED arg_HEADER)
    set(header_option --header "${arg_HEADER}")
  endif()
  add_custom_command(
    OUTPUT ${final}.dat ${final}.idx
    COMMAND zadrovec-cli build ${source} ${staged} ${header_option}
    COMMAND zadrovec-cli check ${staged}
    COMMAND ${CMAKE_COMMAND} -E rename ${staged}.dat ${final}.dat
    COMMAND ${CMAKE_COMMAND} -E rename ${staged}.idx ${final}.idx
    DEPENDS ${source} zadrovec-cli
    COMMENT "Building and checking the dictionary ${base}"
    VERBATIM)
  add_custom_target(dictionary_${base} ALL DEPENDS ${final}.dat ${final}.idx)
endfunction()

# zadrovec_source_written(BASE OUT): the source of a dictionary written by hand here, data/BASE.txt.
function(zadrovec_source_written base out)
  set(${out} ${CMAKE_CURRENT_SOURCE_DIR}/${base}.txt PARENT_SCOPE)
endfunction()
