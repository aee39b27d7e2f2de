# The word forms by lemma, tvary.txt: from hunspell-cs's affix rules, expanded by unmunch of
# hunspell-tools. The plurals of the main dictionary are made from them, and they are stored with
# the answers so that a legend's words match the clue texts in any form. Sets word_forms (empty
# without the packages).
set(word_forms)
if(ZADROVEC_UNMUNCH AND EXISTS ${ZADROVEC_WORD_LIST}.dic AND EXISTS ${ZADROVEC_WORD_LIST}.aff)
  set(word_forms ${CMAKE_CURRENT_BINARY_DIR}/tvary.txt)
  add_custom_command(
    OUTPUT ${word_forms}
    COMMAND hunspell2forms ${ZADROVEC_UNMUNCH} ${ZADROVEC_WORD_LIST}.dic ${ZADROVEC_WORD_LIST}.aff
            ${word_forms}
    DEPENDS hunspell2forms ${ZADROVEC_WORD_LIST}.dic ${ZADROVEC_WORD_LIST}.aff
    COMMENT "Expanding the Czech word list into word forms by lemma"
    VERBATIM)
else()
  message(WARNING "No unmunch (package hunspell-tools) or no hunspell-cs: legends match the clue "
                  "texts only in the forms written there")
endif()
