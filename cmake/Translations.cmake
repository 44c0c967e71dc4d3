# The program's English translation: translations/tarnik_en.ts compiled by
# lrelease (qt6-l10n-tools) into tarnik_en.qm and compiled into the core
# library as a resource, so that the window program and the command line
# both carry it. The Windows build uses the host's lrelease, as it uses the
# host's moc and rcc. tools/translations/update refreshes the .ts from the
# sources.
find_program(TARNIK_LRELEASE NAMES lrelease-qt6 lrelease
             PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_CMAKE_FIND_ROOT_PATH
             DOC "Qt's lrelease, to compile the translation")
if(NOT TARNIK_LRELEASE)
  message(FATAL_ERROR "lrelease is missing: install qt6-l10n-tools")
endif()
find_program(TARNIK_LUPDATE NAMES lupdate-qt6 lupdate
             PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_CMAKE_FIND_ROOT_PATH
             DOC "Qt's lupdate, for the test that every text is translated")

set(TARNIK_TS ${CMAKE_SOURCE_DIR}/translations/tarnik_en.ts)
set(TARNIK_QM_DIR ${CMAKE_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${TARNIK_QM_DIR})
add_custom_command(
  OUTPUT ${TARNIK_QM_DIR}/tarnik_en.qm
  COMMAND ${TARNIK_LRELEASE} -silent ${TARNIK_TS} -qm ${TARNIK_QM_DIR}/tarnik_en.qm
  DEPENDS ${TARNIK_TS}
  COMMENT "Compiling the English translation")
file(WRITE ${TARNIK_QM_DIR}/tarnik_translations.qrc.in
  "<RCC><qresource prefix=\"/translations\"><file>tarnik_en.qm</file></qresource></RCC>\n")
configure_file(${TARNIK_QM_DIR}/tarnik_translations.qrc.in ${TARNIK_QM_DIR}/tarnik_translations.qrc COPYONLY)
qt_add_resources(TARNIK_TRANSLATION_SOURCES ${TARNIK_QM_DIR}/tarnik_translations.qrc)
set_source_files_properties(${TARNIK_TRANSLATION_SOURCES} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
target_sources(tarnik-core PRIVATE ${TARNIK_TRANSLATION_SOURCES})
