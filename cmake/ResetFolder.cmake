# cmake -DFOLDER=... -DSUBFOLDERS="a;b" -P ResetFolder.cmake: an empty folder, made anew.
file(REMOVE_RECURSE "${FOLDER}")
foreach(sub ${SUBFOLDERS})
  file(MAKE_DIRECTORY "${FOLDER}/${sub}")
endforeach()
