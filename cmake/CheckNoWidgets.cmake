# Fails when a model source includes a header of Qt Widgets or Qt PrintSupport by its spelled-out
# path. Run with -DSOURCE_LIST=FILE, FILE holding the sources as a CMake list.
file(READ ${SOURCE_LIST} SOURCES)
set(faults "")
foreach(source ${SOURCES})
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QtPrintSupport)/")
  if(includes)
    string(APPEND faults "\n  ${source}: ${includes}")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "The model library includes widget headers (move the class to the folder's WINDOWS list, or take the widget out of it):${faults}")
endif()
