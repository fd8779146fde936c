# Reads game_list.txt, the one list of our games:
#   LUMORA_GAME_LIST               every stem in Game List order
#   LUMORA_GAME_FOLDER_<stem>      its folder under games/ ("" for none)
#   LUMORA_GAME_TITLE_<stem>       the name it shows
# and writes game_list.h for the host's name list and the tests:
#   LUMORA_GAME_LIST_STEMS         "FREECELL", "SPIDER", ... (every row)
#   LUMORA_GAME_LIST_COUNT         the number of rows
#   LUMORA_SHIPPED_GAME_STEMS      the stems that have a folder, in order
set(game_list_file ${CMAKE_CURRENT_LIST_DIR}/game_list.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${game_list_file})
file(STRINGS ${game_list_file} game_list_lines)

set(LUMORA_GAME_LIST "")
set(all_stems "")
set(shipped_stems "")
foreach(line IN LISTS game_list_lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([A-Z0-9]+)([ \t]+([^ \t]+)([ \t]+(.+))?)?$")
    message(FATAL_ERROR "game_list.txt: not a row \"STEM folder Name\": ${line}")
  endif()
  set(stem ${CMAKE_MATCH_1})
  set(folder "${CMAKE_MATCH_3}")
  set(title "${CMAKE_MATCH_5}")
  string(LENGTH ${stem} stem_length)
  if(stem_length GREATER 8)
    message(FATAL_ERROR "game_list.txt: the stem ${stem} is longer than 8 characters")
  endif()
  if(stem IN_LIST LUMORA_GAME_LIST)
    message(FATAL_ERROR "game_list.txt: ${stem} appears twice")
  endif()
  if(folder AND title STREQUAL "")
    message(FATAL_ERROR "game_list.txt: ${stem} has a folder but no name")
  endif()
  list(APPEND LUMORA_GAME_LIST ${stem})
  set(LUMORA_GAME_FOLDER_${stem} "${folder}")
  set(LUMORA_GAME_TITLE_${stem} "${title}")
  string(APPEND all_stems "\"${stem}\", ")
  if(folder)
    string(APPEND shipped_stems "\"${stem}\", ")
  endif()
endforeach()
list(LENGTH LUMORA_GAME_LIST LUMORA_GAME_LIST_COUNT)

set(LUMORA_GAME_LIST_DIR ${CMAKE_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${LUMORA_GAME_LIST_DIR}/game_list.h CONTENT
"// Generated from games/game_list.txt by games/game_list.cmake; edit the list, not this file.
#pragma once

#define LUMORA_GAME_LIST_COUNT ${LUMORA_GAME_LIST_COUNT}
#define LUMORA_GAME_LIST_STEMS ${all_stems}
#define LUMORA_SHIPPED_GAME_STEMS ${shipped_stems}
")
# The host's name list (modules/module_names.cpp) is built from it.
target_include_directories(lumora_core PUBLIC ${LUMORA_GAME_LIST_DIR})
