# Where the build finds what it reads from installed packages: one cache variable each, so that
# another system can point the build elsewhere. A missing one is said where it is used; the build
# goes on without what it makes.

# The main dictionary: Debian's Czech thesaurus (mythes-cs).
set(ZADROVEC_THESAURUS_DIR /usr/share/mythes
    CACHE PATH "Folder of the MyThes thesaurus files (th_cs_CZ*.dat)")
# The evidence the thesaurus's meanings are kept on (thesaurusevidence): FreeDict's Czech-English
# dictionary (dict-freedict-ces-eng, with dict-freedict-eng-ces below) and English WordNet
# (wordnet-base). Required where the thesaurus is and ZADROVEC_THESAURUS_EVIDENCE is on.
option(ZADROVEC_THESAURUS_EVIDENCE
       "Keep the thesaurus's meanings only on evidence of a shared sense (drops many right ones)"
       OFF)
set(ZADROVEC_CZECH_ENGLISH /usr/share/dictd/freedict-ces-eng
    CACHE FILEPATH "Base of the dictd Czech-English dictionary (BASE.index and BASE.dict.dz)")
set(ZADROVEC_WORDNET /usr/share/wordnet
    CACHE PATH "Folder of English WordNet's index files (index.noun, .verb, .adj, .adv)")
# The states' links and the check of the facts: iso-codes and CLDR (unicode-cldr-core).
set(ZADROVEC_ISO_CODES /usr/share/iso-codes/json CACHE PATH "Folder of the iso-codes JSON files")
set(ZADROVEC_ISO_TRANSLATIONS /usr/share/locale/cs/LC_MESSAGES
    CACHE PATH "Folder of the Czech translations of iso-codes (iso_4217.mo, iso_3166-1.mo)")
set(ZADROVEC_CLDR /usr/share/unicode/cldr/common CACHE PATH "Folder of the CLDR common data")
# slova and the word forms: the Czech word list of hunspell-cs, expanded by unmunch
# (hunspell-tools).
set(ZADROVEC_WORD_LIST /usr/share/hunspell/cs_CZ
    CACHE FILEPATH "Base of the Hunspell Czech word list (BASE.dic and BASE.aff)")
find_program(ZADROVEC_UNMUNCH unmunch)
# cizi: the foreign words of stardict-czech.
set(ZADROVEC_FOREIGN_WORDS /usr/share/stardict/dic/czech-cizi
    CACHE FILEPATH "Base of the StarDict dictionary of foreign words (BASE.ifo, .idx, .dict.dz)")
# anglicky: FreeDict's English-Czech dictionary (dict-freedict-eng-ces).
set(ZADROVEC_ENGLISH_WORDS /usr/share/dictd/freedict-eng-ces
    CACHE FILEPATH "Base of the dictd English-Czech dictionary (BASE.index and BASE.dict.dz)")
# fraze: the quotes of fortunes-cs.
set(ZADROVEC_FORTUNES /usr/share/games/fortunes/cs
    CACHE PATH "Folder of the Czech fortunes of fortunes-cs (*.u8)")
# The stored answers' word frequencies: the npm package @zxcvbn-ts/language-cs, which
# scripts/setup.sh fetches with npm pack.
set(ZADROVEC_WORD_FREQUENCIES ${CMAKE_BINARY_DIR}/npm/package/src
    CACHE PATH "Folder of commonWords.json and wikipedia.json of @zxcvbn-ts/language-cs")

# zadrovec_missing(OUT FILE...): the files of the list that are not there, in OUT.
function(zadrovec_missing out)
  set(missing)
  foreach(file ${ARGN})
    if(NOT EXISTS ${file})
      list(APPEND missing ${file})
    endif()
  endforeach()
  set(${out} ${missing} PARENT_SCOPE)
endfunction()
