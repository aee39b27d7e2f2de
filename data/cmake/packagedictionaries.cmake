# The sources of the dictionaries made at build time from installed Debian packages and never kept
# here. Each recipe zadrovec_source_NAME(BASE OUT) sets OUT to the source it makes in the build
# folder, or leaves it empty, saying so, when the package is not installed: the build then goes
# on without that dictionary.

# The foreign words of stardict-czech ("cizi").
function(zadrovec_source_stardict base out)
  set(inputs ${ZADROVEC_FOREIGN_WORDS}.ifo ${ZADROVEC_FOREIGN_WORDS}.idx
      ${ZADROVEC_FOREIGN_WORDS}.dict.dz)
  zadrovec_missing(missing ${inputs})
  if(missing)
    message(WARNING "No ${ZADROVEC_FOREIGN_WORDS}.ifo (package stardict-czech): "
                    "the dictionary ${base} is not built")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  message(STATUS "Foreign words dictionary ${base} from ${ZADROVEC_FOREIGN_WORDS}")
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${base}-source.txt)
  add_custom_command(
    OUTPUT ${source}
    COMMAND stardict2source ${ZADROVEC_FOREIGN_WORDS} ${source}
    DEPENDS stardict2source ${inputs}
    COMMENT "Converting the foreign words dictionary into the source of ${base}"
    VERBATIM)
  set(${out} ${source} PARENT_SCOPE)
endfunction()

# The Czech word list of hunspell-cs, headwords without meanings ("slova").
function(zadrovec_source_hunspell base out)
  set(inputs ${ZADROVEC_WORD_LIST}.dic ${ZADROVEC_WORD_LIST}.aff)
  zadrovec_missing(missing ${inputs})
  if(missing)
    message(WARNING "No ${ZADROVEC_WORD_LIST}.dic (package hunspell-cs): "
                    "the dictionary ${base} is not built")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  message(STATUS "Word list dictionary ${base} from ${ZADROVEC_WORD_LIST}.dic")
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${base}-source.txt)
  add_custom_command(
    OUTPUT ${source}
    COMMAND hunspell2source ${inputs} ${source}
    DEPENDS hunspell2source ${inputs}
    COMMENT "Converting the Czech word list into the source of ${base}"
    VERBATIM)
  set(${out} ${source} PARENT_SCOPE)
endfunction()

# English words with their Czech translations, from FreeDict's English-Czech dictionary
# (dict-freedict-eng-ces), for the legends "kočka (anglicky)" ("anglicky").
function(zadrovec_source_freedict base out)
  set(inputs ${ZADROVEC_ENGLISH_WORDS}.index ${ZADROVEC_ENGLISH_WORDS}.dict.dz)
  zadrovec_missing(missing ${inputs})
  if(missing)
    message(WARNING "No ${ZADROVEC_ENGLISH_WORDS}.index (package dict-freedict-eng-ces): "
                    "the dictionary ${base} is not built")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  message(STATUS "English words dictionary ${base} from ${ZADROVEC_ENGLISH_WORDS}")
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${base}-source.txt)
  add_custom_command(
    OUTPUT ${source}
    COMMAND freedict2source ${ZADROVEC_ENGLISH_WORDS} ${source}
    DEPENDS freedict2source ${inputs}
    COMMENT "Converting the English-Czech dictionary into the source of ${base}"
    VERBATIM)
  set(${out} ${source} PARENT_SCOPE)
endfunction()
