# Copies editor/dist into the program folder. The program's own settings (Kestrane.ini) are
# the player's once they exist: copied only when missing.
file(GLOB_RECURSE entries RELATIVE ${SRC} ${SRC}/*)
foreach(rel ${entries})
  if(rel STREQUAL "Kestrane.ini" AND EXISTS ${DST}/${rel})
    continue()
  endif()
  get_filename_component(dir ${DST}/${rel} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SRC}/${rel} ${DST}/${rel} ONLY_IF_DIFFERENT)
endforeach()
