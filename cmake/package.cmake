# Release packages, built by tools/make-release; the version is the program's
# own (see the top CMakeLists.txt).
#   Windows: TARVEL-<version>-win64.zip holding TARVEL.exe, the user's guides
#     README.txt (English) and LISEZMOI.txt (French, UTF-8 with a byte-order
#     mark so that every Notepad reads it) and the sample TARVEL.ini, every
#     text file with CR LF line ends.
#   Linux: TARVEL-<version>-linux-<processor>.tar.gz holding TARVEL (linked
#     statically by tools/make-release), README.txt and the sample TARVEL.ini.
# The texts are kept with LF line ends under packaging/; their line ends are
# set here, and @PROJECT_VERSION@ in a guide becomes the version.
set(TARVEL_PACKAGE_TEXT ${CMAKE_BINARY_DIR}/package-text)
if(WIN32)
  set(TARVEL_NEWLINE CRLF)
  set(TARVEL_GUIDES windows/README.txt windows/LISEZMOI.txt)
  set(TARVEL_PACKAGE_SYSTEM win64)
  set(TARVEL_PACKAGE_FORMAT ZIP)
else()
  set(TARVEL_NEWLINE LF)
  set(TARVEL_GUIDES linux/README.txt)
  set(TARVEL_PACKAGE_SYSTEM linux-${CMAKE_SYSTEM_PROCESSOR})
  set(TARVEL_PACKAGE_FORMAT TGZ)
endif()

foreach(text ${TARVEL_GUIDES} TARVEL.ini)
  get_filename_component(name ${text} NAME)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/${text} ${TARVEL_PACKAGE_TEXT}/${name} @ONLY
                 NEWLINE_STYLE ${TARVEL_NEWLINE})
  install(FILES ${TARVEL_PACKAGE_TEXT}/${name} DESTINATION .)
endforeach()
install(TARGETS TARVEL RUNTIME DESTINATION .)

set(CPACK_GENERATOR ${TARVEL_PACKAGE_FORMAT})
set(CPACK_PACKAGE_NAME TARVEL)
set(CPACK_PACKAGE_VENDOR TARVEL)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME TARVEL-${PROJECT_VERSION}-${TARVEL_PACKAGE_SYSTEM})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
