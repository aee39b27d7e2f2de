# The currencies, capitals and vehicle codes (mesta, meny, mpzspz) checked against Debian's
# iso-codes and CLDR: what disagrees is listed in the build output, what is certainly wrong fails
# the build.
set(iso_inputs ${ZADROVEC_ISO_CODES}/iso_4217.json ${ZADROVEC_ISO_CODES}/iso_3166-1.json
    ${ZADROVEC_ISO_TRANSLATIONS}/iso_4217.mo ${ZADROVEC_ISO_TRANSLATIONS}/iso_3166-1.mo
    ${ZADROVEC_CLDR}/main/cs.xml ${ZADROVEC_CLDR}/supplemental/supplementalData.xml)
zadrovec_missing(iso_missing ${iso_inputs})
if(iso_missing)
  list(JOIN iso_missing ", " iso_missing)
  message(WARNING "No ${iso_missing} (packages iso-codes, unicode-cldr-core): "
                  "mesta, meny and mpzspz are not checked against them")
else()
  set(facts ${CMAKE_CURRENT_SOURCE_DIR}/mesta.txt ${CMAKE_CURRENT_SOURCE_DIR}/meny.txt
      ${CMAKE_CURRENT_SOURCE_DIR}/mpzspz.txt)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/isocheck.stamp
    COMMAND isocheck ${ZADROVEC_ISO_CODES} ${ZADROVEC_ISO_TRANSLATIONS} ${ZADROVEC_CLDR} ${facts}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_CURRENT_BINARY_DIR}/isocheck.stamp
    DEPENDS isocheck ${facts} ${iso_inputs}
    COMMENT "Checking mesta, meny and mpzspz against iso-codes and CLDR"
    VERBATIM)
  add_custom_target(isocheck_facts ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/isocheck.stamp)
endif()
