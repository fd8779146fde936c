# Fails when an include runs against the host's layers (see ARCHITECTURE.md):
#   cmake -DSOURCE_DIR=<repository> -P cmake/CheckLayers.cmake
#
# The subsystems, lowest first: table, core (the centre), furniture,
# interaction, modules, persistence, shell. A file may include
#  - the headers shared with module writers and resources/resource.h;
#  - files of its own subsystem (a platform-free file never a win/ one);
#  - files of lower subsystems, of the same half or the platform-free one;
#  - the centre, core/ and core/win/, from every subsystem above table/ and
#    from every win/ folder.
# The centre itself includes only core/, table/ and the shared headers.
# Platform-free files include no Windows header.

cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "pass -DSOURCE_DIR=<repository>")
endif()

set(rank_table 0)
set(rank_core 1)
set(rank_furniture 2)
set(rank_interaction 3)
set(rank_modules 4)
set(rank_persistence 5)
set(rank_shell 6)
set(subsystems table core furniture interaction modules persistence shell)
set(shared_headers module_interface/tessel_table.h module_interface/tessel_module.h module_interface/tessel_native.h resources/resource.h
  tessel_table.h tessel_module.h tessel_native.h)
set(windows_headers windows.h windowsx.h mmsystem.h commdlg.h shellapi.h commctrl.h)

# sub and win of a path relative to the repository, or sub "" for a path
# outside the subsystems.
function(classify path out_sub out_win)
  set(${out_sub} "" PARENT_SCOPE)
  set(${out_win} FALSE PARENT_SCOPE)
  foreach(s IN LISTS subsystems)
    if(path MATCHES "^${s}/win/")
      set(${out_sub} ${s} PARENT_SCOPE)
      set(${out_win} TRUE PARENT_SCOPE)
      return()
    elseif(path MATCHES "^${s}/[^/]+$")
      set(${out_sub} ${s} PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

set(faults 0)
foreach(s IN LISTS subsystems)
  file(GLOB files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${s}/*.h ${SOURCE_DIR}/${s}/*.cpp
    ${SOURCE_DIR}/${s}/win/*.h ${SOURCE_DIR}/${s}/win/*.cpp)
  foreach(file IN LISTS files)
    classify(${file} from from_win)
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" target "${line}")
      set(why "")
      if(line MATCHES "<")
        string(TOLOWER "${target}" lower)
        if(NOT from_win AND lower IN_LIST windows_headers)
          set(why "a platform-free file includes a Windows header")
        endif()
      elseif(target IN_LIST shared_headers)
      else()
        classify(${target} to to_win)
        if(to STREQUAL "")
        elseif(to_win AND NOT from_win)
          set(why "a platform-free file includes the Win32 layer")
        elseif(from STREQUAL "core")
          if(NOT (to STREQUAL "core" OR (to STREQUAL "table" AND NOT to_win)))
            set(why "the centre includes a subsystem")
          endif()
        elseif(to STREQUAL from)
        elseif(to STREQUAL "core")
          if(from STREQUAL "table" AND NOT from_win)
            set(why "table/ lies below the centre")
          endif()
        elseif(rank_${to} GREATER rank_${from})
          set(why "${from}/ lies below ${to}/")
        endif()
      endif()
      if(why)
        message(SEND_ERROR "${file}: includes ${target}: ${why}")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layers")
endif()
message(STATUS "Every include runs downward")
