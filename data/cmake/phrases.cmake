# zadrovec_source_phrases(BASE OUT): the solver's phrases, BASE.txt beside the dictionaries (a
# dictionary of one text file, so OUT is the file itself): proverbs and sayings of
# phrases/prislovi.tsv, quotes of Debian's fortunes-cs, titles of the works in postavy.txt; in
# Windows-1250, one phrase a line with its clues. Without fortunes-cs it holds no quotes; without
# the proverbs or the catalogue OUT is empty and the file is not made.
function(zadrovec_source_phrases base out)
  set(proverbs ${CMAKE_CURRENT_SOURCE_DIR}/phrases/prislovi.tsv)
  set(titles ${CMAKE_CURRENT_SOURCE_DIR}/postavy.txt)
  file(GLOB proverb_lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/phrases/*.tsv)
  if(NOT proverbs IN_LIST proverb_lists OR NOT EXISTS ${titles})
    message(WARNING "No ${proverbs} or postavy.txt: the phrases ${base}.txt are not made")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  file(GLOB fortunes ${ZADROVEC_FORTUNES}/*.u8)
  if(NOT fortunes)
    message(WARNING "No ${ZADROVEC_FORTUNES}/*.u8 (package fortunes-cs): "
                    "the phrases are made without quotes")
  endif()
  set(phrases_file ${CMAKE_BINARY_DIR}/${base}.txt)
  add_custom_command(
    OUTPUT ${phrases_file}
    COMMAND phrases2source ${proverbs} ${ZADROVEC_FORTUNES} ${titles} ${phrases_file}
    DEPENDS phrases2source ${proverbs} ${fortunes} ${titles}
    COMMENT "Writing the phrases: proverbs, quotes and titles of works"
    VERBATIM)
  add_custom_target(phrases_${base} ALL DEPENDS ${phrases_file})
  set(${out} ${phrases_file} PARENT_SCOPE)
endfunction()
