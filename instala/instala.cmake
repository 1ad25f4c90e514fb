# What `cmake --install` puts under the prefix, and the Debian package CPack makes of it. The paths are fixed, not
# GNUInstallDirs': the program finds its cues in <program folder>/../share/vantor, so bin and share must stay
# siblings.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)

install(TARGETS vantor RUNTIME DESTINATION bin)
install(FILES ${VANTOR_SONS} ${CMAKE_BINARY_DIR}/modelos.ini DESTINATION share/vantor)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vantor.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vantor.svg DESTINATION share/icons/hicolor/scalable/apps)

# The bitmap icons are drawn from the one SVG at build time, so they cannot fall out of step with it.
set(VANTOR_ICONES)
foreach(lado 48 128 256)
  set(png ${CMAKE_BINARY_DIR}/icones/${lado}/vantor.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icones/${lado}
    COMMAND ${RSVG_CONVERT} -w ${lado} -h ${lado} -o ${png} ${CMAKE_CURRENT_LIST_DIR}/vantor.svg
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/vantor.svg
    COMMENT "Drawing the ${lado} px icon")
  install(FILES ${png} DESTINATION share/icons/hicolor/${lado}x${lado}/apps)
  list(APPEND VANTOR_ICONES ${png})
endforeach()

# Debian wants the changelog and the manual page compressed, with no name or time stamp in the gzip header.
set(VANTOR_COMPRIMIDOS)
foreach(arquivo changelog vantor.1)
  set(gz ${CMAKE_BINARY_DIR}/${arquivo}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_LIST_DIR}/${arquivo} > ${gz}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${arquivo}
    COMMENT "Compressing ${arquivo}")
  list(APPEND VANTOR_COMPRIMIDOS ${gz})
endforeach()
add_custom_target(instalaveis ALL DEPENDS ${VANTOR_ICONES} ${VANTOR_COMPRIMIDOS})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION share/doc/vantor)
install(FILES ${CMAKE_BINARY_DIR}/vantor.1.gz DESTINATION share/man/man1)

# The changelog's newest entry names the version the package carries.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog VANTOR_CHANGELOG_TOPO LIMIT_COUNT 1)
if(NOT VANTOR_CHANGELOG_TOPO MATCHES "^vantor \\(${PROJECT_VERSION}\\) ")
  message(WARNING "instala/changelog's newest entry is not version ${PROJECT_VERSION}: add one before packaging")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantor developers <vantor@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "scoreboard for taekwondo bouts
Vantor fills a screen with a taekwondo bout: both corners' names, scores and
penalties, the round clock, rests and time-outs, and the lamps of the three
corner judges, who score with USB game controllers. A second screen shows the
audience's board. Three rule systems decide the fight; the interface speaks
Portuguese, Spanish and English.

Every event goes, time-stamped, into a log file per fight, which prints as an
A4 scoresheet with the score's chart.
")
# shlibdeps finds the libraries; the programs and fonts the program reaches by name it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
