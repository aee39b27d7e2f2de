# The solver's answers with their index, odpovedi.idx, stored beside the dictionaries so that the
# first question reads no record; made again whenever a dictionary changes (the program checks
# the dictionaries' stamps and builds the answers in memory when they differ). Reads
# dictionary_files (every dictionary's files, data/CMakeLists.txt) and word_forms
# (wordforms.cmake).
set(store_options)
set(store_inputs ${dictionary_files})
# The word forms by lemma, so that a legend's words match the clue texts in any form.
if(word_forms)
  list(APPEND store_options --forms ${word_forms})
  list(APPEND store_inputs ${word_forms})
endif()
# The Czech words by frequency, which rank equal answers. Without them the answers are stored
# without it, as the build says.
set(frequency_lists ${ZADROVEC_WORD_FREQUENCIES}/commonWords.json
    ${ZADROVEC_WORD_FREQUENCIES}/wikipedia.json)
zadrovec_missing(frequencies_missing ${frequency_lists})
if(frequencies_missing)
  message(WARNING "No ${ZADROVEC_WORD_FREQUENCIES}/commonWords.json (npm package "
                  "@zxcvbn-ts/language-cs): equal answers are not ranked by word frequency")
else()
  set(word_frequencies ${CMAKE_CURRENT_BINARY_DIR}/cetnosti.txt)
  add_custom_command(
    OUTPUT ${word_frequencies}
    COMMAND frequencies2list ${word_frequencies} ${frequency_lists}
    DEPENDS frequencies2list ${frequency_lists}
    COMMENT "Listing the Czech words by frequency"
    VERBATIM)
  list(APPEND store_options --frequencies ${word_frequencies})
  list(APPEND store_inputs ${word_frequencies})
endif()
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/odpovedi.idx
  COMMAND zadrovec-cli --data ${CMAKE_BINARY_DIR} store-answers ${store_options}
  DEPENDS zadrovec-cli ${store_inputs}
  COMMENT "Storing the solver's answers, their index and the lemmas of their clue texts"
  VERBATIM)
add_custom_target(solver_answers ALL DEPENDS ${CMAKE_BINARY_DIR}/odpovedi.idx)
