# cmake -DCMAKE_COMMAND=... -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
# Installs the build into a fresh prefix and checks what a user's system gets.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program "${PREFIX}/lib/rennlupe")
set(link "${PREFIX}/bin/rennlupe")
if(NOT IS_SYMLINK "${link}")
  message(FATAL_ERROR "${link} is no symbolic link")
endif()
file(READ_SYMLINK "${link}" target)
if(NOT target STREQUAL "../lib/rennlupe/rennlupe")
  message(SEND_ERROR "${link} points to ${target}, not ../lib/rennlupe/rennlupe")
endif()
file(REAL_PATH "${link}" resolved)
file(REAL_PATH "${program}/rennlupe" real)
if(NOT EXISTS "${real}" OR NOT resolved STREQUAL real)
  message(SEND_ERROR "${link} resolves to ${resolved}, not ${real}")
endif()

file(GLOB beside RELATIVE "${program}" "${program}/*")
list(SORT beside)
if(NOT beside STREQUAL "logo.jpg;rennlupe;schalten.jpg")
  message(SEND_ERROR "the program folder holds ${beside}, not the program and its two pictures")
endif()

# Through the link, as a user starts it; the console path needs no display.
execute_process(COMMAND "${link}" --headless --help
  RESULT_VARIABLE result OUTPUT_VARIABLE usage ERROR_VARIABLE usage TIMEOUT 30)
if(NOT result EQUAL 0 OR NOT usage MATCHES "--headless")
  message(SEND_ERROR "rennlupe --headless --help through the link: ${result}\n${usage}")
endif()

file(GLOB_RECURSE everything RELATIVE "${PREFIX}" "${PREFIX}/*")
if(everything MATCHES "insim-sim")
  message(SEND_ERROR "the stand-in game is installed: ${everything}")
endif()

set(entry "${PREFIX}/share/applications/rennlupe.desktop")
file(READ "${entry}" text)
set(lines
  "^\\[Desktop Entry\\]\n"
  "\nType=Application\n"
  "\nName=Rennlupe\n"
  "\nExec=rennlupe\n"
  "\nIcon=rennlupe\n"
  "\nComment=[^\n]+\n"
  "\nComment\\[de\\]=[^\n]+\n")
foreach(line IN LISTS lines)
  if(NOT text MATCHES "${line}")
    message(SEND_ERROR "${entry} has no line ${line}")
  endif()
endforeach()
set(categories "Categories=Game;Utility;")  # apart: a list item cannot hold its semicolons
string(FIND "${text}" "\n${categories}\n" at)
if(at EQUAL -1)
  message(SEND_ERROR "${entry} has no line ${categories}")
endif()

# The size folder must name the picture's size: PNG signature, then IHDR's width and height.
set(icon "${PREFIX}/share/icons/hicolor/64x64/apps/rennlupe.png")
file(READ "${icon}" header LIMIT 24 HEX)
if(NOT header STREQUAL "89504e470d0a1a0a0000000d494844520000004000000040")
  message(SEND_ERROR "${icon} is no 64x64 PNG: ${header}")
endif()
