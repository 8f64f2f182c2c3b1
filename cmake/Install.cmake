# What `cmake --install` and the Debian package put where. The program finds its
# pictures beside its executable, so they share one folder and the command on the
# PATH is a link to it. Users who may not write there keep their settings at home.
# Windows: a zip a racer unpacks anywhere, the program beside its pictures, a
# start file for a game on the same machine and a short guide (both with CRLF lines).
if(WIN32)
  configure_file("${PROJECT_SOURCE_DIR}/assets/windows/Start Rennlupe.bat.in"
    "${CMAKE_CURRENT_BINARY_DIR}/Start Rennlupe.bat" NEWLINE_STYLE CRLF)
  configure_file(${PROJECT_SOURCE_DIR}/assets/windows/README-Windows.txt.in
    ${CMAKE_CURRENT_BINARY_DIR}/README-Windows.txt @ONLY NEWLINE_STYLE CRLF)
  install(TARGETS rennlupe RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/logo.jpg ${PROJECT_SOURCE_DIR}/assets/schalten.jpg
    "${CMAKE_CURRENT_BINARY_DIR}/Start Rennlupe.bat" ${CMAKE_CURRENT_BINARY_DIR}/README-Windows.txt
    DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Rennlupe)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_FILE_NAME Rennlupe-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_STRIP_FILES ON)
  include(CPack)
  return()
endif()

set(RENNLUPE_PROGRAM_DIR lib/rennlupe)

install(TARGETS rennlupe RUNTIME DESTINATION ${RENNLUPE_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/logo.jpg ${PROJECT_SOURCE_DIR}/assets/schalten.jpg
  DESTINATION ${RENNLUPE_PROGRAM_DIR})
# Relative, so the link holds wherever the prefix is staged or moved.
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/rennlupe\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  message(STATUS \"Installing: \${link}\")
  file(CREATE_LINK ../${RENNLUPE_PROGRAM_DIR}/rennlupe \"\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
")
install(FILES ${PROJECT_SOURCE_DIR}/assets/rennlupe.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/rennlupe.png
  DESTINATION share/icons/hicolor/64x64/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rennlupe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kurvenblick)
set(CPACK_PACKAGE_CONTACT Kurvenblick)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "gaps to the cars ahead and behind, drawn over Live for Speed")
set(CPACK_PACKAGE_DESCRIPTION
  "Rennlupe talks to the racing simulator Live for Speed over InSim (UDP) and draws\n\
the gap to the car ahead and from the car behind, plus a shift light, over the game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER Kurvenblick)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
