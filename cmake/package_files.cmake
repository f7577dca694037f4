# What the package holds beside the programs: the copyright, the changelog,
# the manual pages, the examples and the icons. Installed with the
# programs, so that `cmake --install` and the package agree.
include(GNUInstallDirs)
set(PILARO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/pilaro)
set(PILARO_PACKAGE_MAINTAINER "Pilaro developers <pilaro@example.org>")

install(FILES ${PROJECT_SOURCE_DIR}/package/copyright DESTINATION ${PILARO_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/pier_load_cases_clean.csv
              ${PROJECT_SOURCE_DIR}/examples/pier_load_cases.csv
              ${PROJECT_SOURCE_DIR}/examples/pier_load_cases_gb18030.csv
              ${PROJECT_SOURCE_DIR}/examples/pier_jtg3362_load_cases.csv
        DESTINATION ${PILARO_DOC_DIR}/examples)

# Debian's tools compress with gzip -9n: no name and no time stamp, so that
# the same text gives the same bytes.
find_program(PILARO_GZIP gzip REQUIRED)

# The version's package is native (no Debian revision), so its changelog
# is changelog.gz, in Debian's format.
configure_file(${PROJECT_SOURCE_DIR}/package/changelog.in ${PROJECT_BINARY_DIR}/package/changelog
               @ONLY)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/package/changelog.gz
  COMMAND ${PILARO_GZIP} -9nf ${PROJECT_BINARY_DIR}/package/changelog
  COMMAND ${CMAKE_COMMAND} -E touch_nocreate ${PROJECT_BINARY_DIR}/package/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/package/changelog.in
  COMMENT "Compressing the package's changelog"
  VERBATIM)
# gzip removes the text it compresses; configure_file writes it again when
# CMake runs, and the command above runs after it.
add_custom_target(pilaro_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/package/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/package/changelog.gz DESTINATION ${PILARO_DOC_DIR})

# The manual pages, made by help2man from each program's --help and
# --version (the window's program answers both without a display).
find_program(PILARO_HELP2MAN help2man)
if(NOT PILARO_HELP2MAN)
  message(STATUS "help2man not found: the manual pages are not made (bash .ci/deps installs it)")
endif()
foreach(program pilaro pilaro-batch)
  if(NOT TARGET ${program} OR NOT PILARO_HELP2MAN)
    continue()
  endif()
  set(page ${PROJECT_BINARY_DIR}/man/${program}.1)
  set(include ${PROJECT_SOURCE_DIR}/package/${program}.h2m)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${PILARO_HELP2MAN} --no-info --locale=C.UTF-8
            --section=1 --include=${include} --output=${page}
            $<TARGET_FILE:${program}>
    COMMAND ${PILARO_GZIP} -9nf ${page}
    DEPENDS ${program} ${include}
    COMMENT "Making the manual page of ${program}"
    VERBATIM)
  add_custom_target(${program}_man_page ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The icon at the sizes of the hicolor theme, and as SVG (app/make_icon.sh
# draws them all).
if(TARGET pilaro)
  foreach(size 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/app/icons/pilaro-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME pilaro.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/app/icons/pilaro.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
