# SPDX-FileCopyrightText: 2026 The Gradora developers
# SPDX-License-Identifier: BSD-3-Clause

# Pictures and translations that the build makes and compiles into gradora_core:
#  - the program picture in every size, rendered from the hand-drawn SVG master;
#  - the compiled translations.
# Both go into one generated resource file, gradora_generated.qrc (Q_INIT_RESOURCE(gradora_generated)).

set(GRADORA_ICON_SVG ${CMAKE_SOURCE_DIR}/resources/icons/net.gradora.Gradora.svg)
set(GRADORA_ICON_SIZES 16 22 24 32 48 64 128 256 512)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(GRADORA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(GRADORA_ICON_PNGS)
foreach(size IN LISTS GRADORA_ICON_SIZES)
  set(png ${GRADORA_ICON_DIR}/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GRADORA_ICON_DIR}
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${GRADORA_ICON_SVG}
    DEPENDS ${GRADORA_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} program picture"
    VERBATIM)
  list(APPEND GRADORA_ICON_PNGS ${png})
endforeach()

# The German translation. Refresh it from the sources after changing texts:
#   cmake --build <build folder> --target update_translations
set(GRADORA_TS_FILES ${CMAKE_SOURCE_DIR}/translations/gradora_de.ts)
qt_add_translations(gradora_core
  TS_FILES ${GRADORA_TS_FILES}
  LUPDATE_OPTIONS -no-obsolete -locations none
  QM_FILES_OUTPUT_VARIABLE GRADORA_QM_FILES)

set(qrc_entries "")
foreach(png IN LISTS GRADORA_ICON_PNGS)
  get_filename_component(name ${png} NAME)
  string(APPEND qrc_entries "    <file alias=\"icons/${name}\">${png}</file>\n")
endforeach()
foreach(qm IN LISTS GRADORA_QM_FILES)
  get_filename_component(name ${qm} NAME)
  string(APPEND qrc_entries "    <file alias=\"i18n/${name}\">${qm}</file>\n")
endforeach()
set(GRADORA_GENERATED_QRC ${CMAKE_BINARY_DIR}/gradora_generated.qrc)
file(CONFIGURE OUTPUT ${GRADORA_GENERATED_QRC}
  CONTENT "<RCC>\n  <qresource prefix=\"/\">\n${qrc_entries}  </qresource>\n</RCC>\n")
qt_add_resources(gradora_generated_sources ${GRADORA_GENERATED_QRC})
set_source_files_properties(${GRADORA_GENERATED_QRC} PROPERTIES SKIP_AUTORCC ON)
target_sources(gradora_core PRIVATE ${gradora_generated_sources})
