# Fails when an include runs against the host's layers (see ARCHITECTURE.md):
#   cmake -DSOURCE_DIR=<repository> -P cmake/CheckLayers.cmake
#
# Each top-level folder of the host, with its win/ subfolder, is one
# subsystem. They are listed lowest first; a file may include files of its
# own subsystem and of subsystems below it, never above. So no two
# subsystems include each other, directly or through others, and the
# folders at the bottom (the module interface shared with module writers,
# the resource identifiers, the Win32 helpers) include nothing of the host.
# Within a subsystem, a platform-free file (outside win/) includes no win/
# file and no Windows header.

cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "pass -DSOURCE_DIR=<repository>")
endif()

set(subsystems module_interface resources platform table core furniture interaction modules persistence shell)
set(windows_headers windows.h windowsx.h mmsystem.h commdlg.h shellapi.h commctrl.h oleacc.h winuser.h wingdi.h)

set(rank 0)
foreach(s IN LISTS subsystems)
  set(rank_${s} ${rank})
  math(EXPR rank "${rank} + 1")
endforeach()

# The subsystem of a path relative to the repository ("" outside them), and
# whether it lies in a win/ folder.
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
  file(GLOB files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${s}/*.h ${SOURCE_DIR}/${s}/*.c ${SOURCE_DIR}/${s}/*.cpp
    ${SOURCE_DIR}/${s}/win/*.h ${SOURCE_DIR}/${s}/win/*.cpp)
  foreach(file IN LISTS files)
    classify(${file} from from_win)
    get_filename_component(from_dir ${file} DIRECTORY)
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" target "${line}")
      set(why "")
      if(line MATCHES "<")
        string(TOLOWER "${target}" lower)
        if(NOT from_win AND lower IN_LIST windows_headers)
          set(why "a platform-free file includes a Windows header")
        endif()
      else()
        # A name without a folder is a file beside the includer, or one of the
        # module interface's headers, which lie on the include path.
        if(NOT target MATCHES "/")
          if(NOT EXISTS ${SOURCE_DIR}/${from_dir}/${target} AND EXISTS ${SOURCE_DIR}/module_interface/${target})
            set(target "module_interface/${target}")
          else()
            set(target "${from_dir}/${target}")
          endif()
        endif()
        classify(${target} to to_win)
        if(to STREQUAL "")
        elseif(to_win AND NOT from_win)
          set(why "a platform-free file includes the Win32 layer")
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
