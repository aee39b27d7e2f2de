# The files beside the programs that are no dictionary: the seed settings file, the help page and
# the characters catalogue.

# The seed settings file: Windows-1250 with CR LF line ends, made from the UTF-8 zadrovec.ini.in;
# "Verze_Caption" gets the date of the build (d.m.yyyy), as the dictionaries' header records do.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/zadrovec.ini
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_CURRENT_SOURCE_DIR}/zadrovec.ini.in
          -DOUT=${CMAKE_BINARY_DIR}/zadrovec.ini -P ${CMAKE_CURRENT_SOURCE_DIR}/seedini.cmake
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/zadrovec.ini.in ${CMAKE_CURRENT_SOURCE_DIR}/seedini.cmake
  COMMENT "Making the seed settings file zadrovec.ini"
  VERBATIM)
add_custom_target(seed_settings ALL DEPENDS ${CMAKE_BINARY_DIR}/zadrovec.ini)

# The help page, shown from the programs' folder.
configure_file(zadrov.html ${CMAKE_BINARY_DIR}/zadrov.html COPYONLY)

# The characters catalogue postavy.dat: from the full source where it is there, else from the
# small sample kept here. The tool writes it whole or not at all.
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/postavy.txt)
  set(catalogue_source ${CMAKE_CURRENT_SOURCE_DIR}/postavy.txt)
else()
  set(catalogue_source ${CMAKE_CURRENT_SOURCE_DIR}/postavy-sample.txt)
endif()
message(STATUS "Characters catalogue from ${catalogue_source}")
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/postavy.dat
  COMMAND zadrovec-cli build-catalogue ${catalogue_source} ${CMAKE_BINARY_DIR}/postavy.dat
  DEPENDS ${catalogue_source} zadrovec-cli
  COMMENT "Building the characters catalogue"
  VERBATIM)
add_custom_target(catalogue_postavy ALL DEPENDS ${CMAKE_BINARY_DIR}/postavy.dat)
