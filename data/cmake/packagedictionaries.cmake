# The sources of the dictionaries made at build time from installed Debian packages and never kept
# here. Each recipe zadrovec_source_NAME(BASE OUT) sets OUT to the source it makes in the build
# folder, or leaves it empty, saying so, when the package is not installed: the build then goes
# on without that dictionary.

# zadrovec_package_source(BASE OUT IMPORTER PACKAGE WHAT BASENAME INPUTS files... ARGS args...)
# The source BASE-source.txt made by `IMPORTER ARGS... SOURCE` from the INPUTS of PACKAGE, the
# package's files of WHAT (a few words for the messages) named by BASENAME.
function(zadrovec_package_source base out importer package what basename)
  cmake_parse_arguments(PARSE_ARGV 6 arg "" "" "INPUTS;ARGS")
  zadrovec_missing(missing ${arg_INPUTS})
  if(missing)
    list(GET missing 0 first_missing)
    message(WARNING "No ${first_missing} (package ${package}): the dictionary ${base} is not built")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  message(STATUS "The ${what} dictionary ${base} from ${basename}")
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${base}-source.txt)
  add_custom_command(
    OUTPUT ${source}
    COMMAND ${importer} ${arg_ARGS} ${source}
    DEPENDS ${importer} ${arg_INPUTS}
    COMMENT "Converting the ${what} dictionary into the source of ${base}"
    VERBATIM)
  set(${out} ${source} PARENT_SCOPE)
endfunction()

# The foreign words of stardict-czech ("cizi").
function(zadrovec_source_stardict base out)
  set(words ${ZADROVEC_FOREIGN_WORDS})
  zadrovec_package_source(${base} source stardict2source stardict-czech "foreign words" ${words}
                          INPUTS ${words}.ifo ${words}.idx ${words}.dict.dz ARGS ${words})
  set(${out} ${source} PARENT_SCOPE)
endfunction()

# The Czech word list of hunspell-cs, headwords without meanings ("slova").
function(zadrovec_source_hunspell base out)
  set(inputs ${ZADROVEC_WORD_LIST}.dic ${ZADROVEC_WORD_LIST}.aff)
  zadrovec_package_source(${base} source hunspell2source hunspell-cs "Czech word list"
                          ${ZADROVEC_WORD_LIST}.dic INPUTS ${inputs} ARGS ${inputs})
  set(${out} ${source} PARENT_SCOPE)
endfunction()

# English words with their Czech translations, from FreeDict's English-Czech dictionary
# (dict-freedict-eng-ces), for the legends "kočka (anglicky)" ("anglicky").
function(zadrovec_source_freedict base out)
  set(words ${ZADROVEC_ENGLISH_WORDS})
  zadrovec_package_source(${base} source freedict2source dict-freedict-eng-ces "English-Czech"
                          ${words} INPUTS ${words}.index ${words}.dict.dz ARGS ${words})
  set(${out} ${source} PARENT_SCOPE)
endfunction()
