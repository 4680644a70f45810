# Release package of the Windows build: TARVEL-<version>-win64.zip holding
# TARVEL.exe, README.md and a sample TARVEL.ini (every key commented out).
# Built by tools/make-release; the version is the program's own (see the top
# CMakeLists.txt).
if(NOT WIN32)
  return()
endif()

install(TARGETS TARVEL RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/packaging/TARVEL.ini DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME TARVEL)
set(CPACK_PACKAGE_VENDOR TARVEL)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME TARVEL-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
