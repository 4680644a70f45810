# Resources of TARVEL.exe (Windows builds only): the icon, the application
# manifest (Common Controls 6 visual styles, DPI awareness, asInvoker) and
# the version information, compiled by the MinGW resource compiler (windres).
# The version numbers are the program's own, read by the top CMakeLists.txt.
enable_language(RC)

set(TARVEL_COPYRIGHT "Copyright (C) 2026 the TARVEL authors")
set(TARVEL_RC_DIR ${CMAKE_SOURCE_DIR}/packaging/windows)
set(TARVEL_RC_ICON ${TARVEL_RC_DIR}/TARVEL.ico)
set(TARVEL_RC_MANIFEST ${CMAKE_BINARY_DIR}/TARVEL.manifest)
configure_file(${TARVEL_RC_DIR}/TARVEL.manifest ${TARVEL_RC_MANIFEST} @ONLY)
configure_file(${TARVEL_RC_DIR}/TARVEL.rc.in ${CMAKE_BINARY_DIR}/TARVEL.rc @ONLY)

target_sources(TARVEL PRIVATE ${CMAKE_BINARY_DIR}/TARVEL.rc)
# windres reads the icon and the manifest; rebuild the resources when they change.
set_source_files_properties(${CMAKE_BINARY_DIR}/TARVEL.rc PROPERTIES
  OBJECT_DEPENDS "${TARVEL_RC_ICON};${TARVEL_RC_MANIFEST}")
