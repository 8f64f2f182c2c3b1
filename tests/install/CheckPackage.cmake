# cmake -DCPACK_COMMAND=... -DBUILD_DIR=... -DOUT=... -DVERSION=... -P CheckPackage.cmake
# Builds the Debian package from the build and checks its files and its fields.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND ${CPACK_COMMAND} -G DEB -B "${OUT}" --config "${BUILD_DIR}/CPackConfig.cmake"
  WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${result}\n${log}")
endif()

function(run output)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE text)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${result}\n${text}")
  endif()
  set(${output} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB packages "${OUT}/rennlupe_*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "one rennlupe_*.deb expected in ${OUT}, found ${count}")
endif()
get_filename_component(name "${packages}" NAME)
if(NOT name MATCHES "^rennlupe_${VERSION}_[a-z0-9]+\\.deb$")
  message(SEND_ERROR "the package is named ${name}")
endif()

run(contents dpkg-deb -c "${packages}")
foreach(path "./usr/bin/rennlupe -> ../lib/rennlupe/rennlupe" "./usr/lib/rennlupe/rennlupe"
    "./usr/lib/rennlupe/logo.jpg" "./usr/lib/rennlupe/schalten.jpg"
    "./usr/share/applications/rennlupe.desktop"
    "./usr/share/icons/hicolor/64x64/apps/rennlupe.png")
  string(FIND "${contents}" " ${path}\n" at)
  if(at EQUAL -1)
    message(SEND_ERROR "the package does not hold ${path}:\n${contents}")
  endif()
endforeach()
if(contents MATCHES "insim-sim")
  message(SEND_ERROR "the stand-in game is in the package:\n${contents}")
endif()

run(package dpkg-deb -f "${packages}" Package)
run(version dpkg-deb -f "${packages}" Version)
run(section dpkg-deb -f "${packages}" Section)
run(maintainer dpkg-deb -f "${packages}" Maintainer)
run(depends dpkg-deb -f "${packages}" Depends)
foreach(field package version section maintainer)
  string(STRIP "${${field}}" ${field})
endforeach()
if(NOT package STREQUAL "rennlupe" OR NOT version STREQUAL VERSION OR NOT section STREQUAL "games"
    OR NOT maintainer STREQUAL "Kurvenblick")
  message(SEND_ERROR "fields: ${package}, ${version}, ${section}, ${maintainer}")
endif()

# The dependency scan names the package of every library the executable needs.
set(unpacked "${OUT}/unpacked")
run(ignored dpkg-deb -x "${packages}" "${unpacked}")
run(dynamic readelf -d "${unpacked}/usr/lib/rennlupe/rennlupe")
set(wanted libc6 libstdc++6)
if(dynamic MATCHES "libQt6Widgets\\.so\\.6")
  list(APPEND wanted libqt6widgets6)
endif()
foreach(dependency IN LISTS wanted)
  string(REPLACE "+" "\\+" pattern "${dependency}")
  if(NOT depends MATCHES "(^|, )${pattern}( |,|\n)")
    message(SEND_ERROR "Depends does not name ${dependency}: ${depends}")
  endif()
endforeach()
