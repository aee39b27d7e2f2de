# zadrovec_source_thesaurus(BASE OUT): the source of the main dictionary, in OUT. Debian's Czech
# thesaurus (mythes-cs) where it is installed, else the small sample kept here, merged with the
# crossword supplement (supplement/*.txt), the links printed legends rely on (states, chemical
# elements, Roman numerals, generated into the build folder) and the plurals of its nouns.
function(zadrovec_source_thesaurus base out)
  file(GLOB thesaurus_files ${ZADROVEC_THESAURUS_DIR}/th_cs_CZ*.dat)
  list(SORT thesaurus_files COMPARE NATURAL ORDER DESCENDING)
  if(thesaurus_files)
    list(GET thesaurus_files 0 thesaurus)
    message(STATUS "Main dictionary from the thesaurus ${thesaurus}")
    set(thesaurus_source ${CMAKE_CURRENT_BINARY_DIR}/${base}-source.txt)
    add_custom_command(
      OUTPUT ${thesaurus_source}
      COMMAND thesaurus2source ${thesaurus} ${thesaurus_source}
      DEPENDS thesaurus2source ${thesaurus}
      COMMENT "Converting the thesaurus into the main dictionary's source"
      VERBATIM)
    set(main_source ${thesaurus_source})
    # The thesaurus pivoted through English: with ZADROVEC_THESAURUS_EVIDENCE its meanings are
    # kept only on evidence of a shared sense (thesaurusevidence). Off while it keeps too few of
    # the right meanings (data/quality/ measures it; data/README.md has the figures).
    if(ZADROVEC_THESAURUS_EVIDENCE)
      set(evidence_inputs ${ZADROVEC_ENGLISH_WORDS}.index ${ZADROVEC_ENGLISH_WORDS}.dict.dz
          ${ZADROVEC_CZECH_ENGLISH}.index ${ZADROVEC_CZECH_ENGLISH}.dict.dz
          ${ZADROVEC_WORDNET}/index.noun ${ZADROVEC_WORDNET}/index.verb
          ${ZADROVEC_WORDNET}/index.adj ${ZADROVEC_WORDNET}/index.adv)
      zadrovec_missing(evidence_missing ${evidence_inputs})
      if(evidence_missing)
        list(JOIN evidence_missing ", " evidence_missing)
        message(FATAL_ERROR "No ${evidence_missing}: the thesaurus's meanings are kept only "
                            "on the "
                            "evidence of packages dict-freedict-eng-ces, dict-freedict-ces-eng and "
                            "wordnet-base; install them (scripts/setup.sh lists them)")
      endif()
      if(NOT word_forms)
        message(FATAL_ERROR "No word forms (packages hunspell-cs, hunspell-tools): the thesaurus's "
                            "meanings are kept only on evidence, one root among it")
      endif()
      file(GLOB evidence_supplement CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/supplement/*.txt)
      set(main_source ${CMAKE_CURRENT_BINARY_DIR}/${base}-evidence.txt)
      add_custom_command(
        OUTPUT ${main_source}
        COMMAND thesaurusevidence ${thesaurus_source} ${ZADROVEC_ENGLISH_WORDS}
                ${ZADROVEC_CZECH_ENGLISH} ${ZADROVEC_WORDNET} ${word_forms}
                ${CMAKE_CURRENT_SOURCE_DIR}/supplement ${main_source}
        DEPENDS thesaurusevidence ${thesaurus_source} ${evidence_inputs} ${word_forms}
                ${evidence_supplement}
        COMMENT "Keeping the thesaurus's meanings that have evidence"
        VERBATIM)
    endif()
  else()
    message(STATUS "No thesaurus in ${ZADROVEC_THESAURUS_DIR}: main dictionary from the sample")
    set(main_source ${CMAKE_CURRENT_SOURCE_DIR}/${base}-sample.txt)
  endif()

  # The crossword supplement (rivers, mountains, towns, gods, operas, units and the like, written
  # for this project). Editing a supplement file rebuilds the dictionary; adding one re-runs the
  # configuration.
  file(GLOB supplement_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/supplement/*.txt)
  list(SORT supplement_sources)
  # The crossword definitions of the most frequent words (supplement/definice-*.txt) come before
  # everything else, so that a word's own definitions are the first meanings of its record.
  set(definition_sources ${supplement_sources})
  list(FILTER definition_sources INCLUDE REGEX "/definice-[^/]*\\.txt$")
  if(definition_sources)
    list(REMOVE_ITEM supplement_sources ${definition_sources})
  endif()

  # The states with their continents and capitals (from iso-codes, CLDR and mesta.txt); the
  # capitals' clues name the state in the genitive written by hand in staty-genitiv.tsv.
  set(states_inputs ${ZADROVEC_ISO_CODES}/iso_3166-1.json
      ${ZADROVEC_ISO_TRANSLATIONS}/iso_3166-1.mo ${ZADROVEC_CLDR}/main/cs.xml
      ${ZADROVEC_CLDR}/supplemental/supplementalData.xml)
  zadrovec_missing(states_missing ${states_inputs})
  if(states_missing)
    list(JOIN states_missing ", " states_missing)
    message(WARNING "No ${states_missing} (packages iso-codes, unicode-cldr-core): "
                    "the main dictionary is made without the states and their capitals")
  else()
    set(states_source ${CMAKE_CURRENT_BINARY_DIR}/staty-source.txt)
    add_custom_command(
      OUTPUT ${states_source}
      COMMAND states2source ${ZADROVEC_ISO_CODES} ${ZADROVEC_ISO_TRANSLATIONS} ${ZADROVEC_CLDR}
              ${CMAKE_CURRENT_SOURCE_DIR}/mesta.txt ${CMAKE_CURRENT_SOURCE_DIR}/staty-genitiv.tsv
              ${states_source}
      DEPENDS states2source ${states_inputs} ${CMAKE_CURRENT_SOURCE_DIR}/mesta.txt
              ${CMAKE_CURRENT_SOURCE_DIR}/staty-genitiv.tsv
      COMMENT "Linking the states to their continents and capitals"
      VERBATIM)
    list(APPEND supplement_sources ${states_source})
  endif()
  # The chemical elements and their symbols (from prvky.tsv).
  set(elements_source ${CMAKE_CURRENT_BINARY_DIR}/prvky-source.txt)
  add_custom_command(
    OUTPUT ${elements_source}
    COMMAND elements2source ${CMAKE_CURRENT_SOURCE_DIR}/prvky.tsv ${elements_source}
    DEPENDS elements2source ${CMAKE_CURRENT_SOURCE_DIR}/prvky.tsv
    COMMENT "Linking the chemical elements and their symbols"
    VERBATIM)
  # The Roman numerals 1 to 3999.
  set(numerals_source ${CMAKE_CURRENT_BINARY_DIR}/rimske-source.txt)
  add_custom_command(
    OUTPUT ${numerals_source}
    COMMAND numerals2source ${numerals_source}
    DEPENDS numerals2source
    COMMENT "Writing the Roman numerals"
    VERBATIM)
  list(APPEND supplement_sources ${elements_source} ${numerals_source})

  set(merge ${CMAKE_CURRENT_SOURCE_DIR}/supplement/merge.cmake)
  set(merged_source ${CMAKE_CURRENT_BINARY_DIR}/${base}-merged.txt)
  set(merged_parts ${definition_sources} ${main_source} ${supplement_sources})
  add_custom_command(
    OUTPUT ${merged_source}
    COMMAND ${CMAKE_COMMAND} -DOUT=${merged_source} "-DSOURCES=${merged_parts}" -P ${merge}
    DEPENDS ${merged_parts} ${merge}
    COMMENT "Merging the crossword supplement into the main dictionary's source"
    VERBATIM)

  # The nominative plurals of its nouns, linked to the singulars' meanings, made from the merged
  # source, the word forms (wordforms.cmake) and the word list's declensions, and merged after it.
  if(word_forms)
    set(plurals_source ${CMAKE_CURRENT_BINARY_DIR}/mnozne-source.txt)
    add_custom_command(
      OUTPUT ${plurals_source}
      COMMAND plurals2source ${merged_source} ${word_forms} ${plurals_source}
              ${ZADROVEC_WORD_LIST}.dic
      DEPENDS plurals2source ${merged_source} ${word_forms} ${ZADROVEC_WORD_LIST}.dic
      COMMENT "Writing the plurals of the main dictionary's nouns"
      VERBATIM)
    set(with_plurals ${CMAKE_CURRENT_BINARY_DIR}/${base}-mnozne.txt)
    add_custom_command(
      OUTPUT ${with_plurals}
      COMMAND ${CMAKE_COMMAND} -DOUT=${with_plurals}
              "-DSOURCES=${merged_source};${plurals_source}" -P ${merge}
      DEPENDS ${merged_source} ${plurals_source} ${merge}
      COMMENT "Merging the plurals into the main dictionary's source"
      VERBATIM)
    set(merged_source ${with_plurals})
  endif()
  set(${out} ${merged_source} PARENT_SCOPE)
endfunction()
