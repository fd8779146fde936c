# SPDX-License-Identifier: MIT
#
# The game kit for CMake, in our tree and outside it. A game of your own,
# in a folder of its own:
#
#   cmake_minimum_required(VERSION 3.25)
#   project(MyGames VERSION 1.0 LANGUAGES C CXX)
#   include(/path/to/lumora/games/kit/LumoraGameKit.cmake)
#   lumora_kit_game(MYGAME1 "My Game" rules.txt my_game.cpp)
#
# For Windows (cross-compiled with MinGW-w64 or not) this makes MYGAME1.dll
# with the sixteen undecorated entry points, a VERSIONINFO and rules.txt as
# the RULES resource the help shows; set GAME_COMPANY and GAME_COPYRIGHT
# before the call to fill in the VERSIONINFO. Elsewhere it makes
# MYGAME1.so, which the headless host of the tests can load.
#
# The DLL uses the C++ runtime that ships beside lumora.exe
# (libstdc++-6.dll, libgcc_s_*.dll, libwinpthread-1.dll of MinGW-w64 with
# GCC 12), so it holds only the game and the kit. Built with another
# compiler, set LUMORA_KIT_STATIC_RUNTIME to ON before the call: the DLL
# then carries its own copy of the runtime (about 200 KB more).
#
# Every module is loaded at each start of the program: the DLL is built
# with -O2 even in a Release build, a quarter smaller than with -O3 and as
# fast in the solver's searches.
#
# LUMORA_KIT_SOURCES lists the kit's sources for this platform.

get_filename_component(LUMORA_KIT_DIR ${CMAKE_CURRENT_LIST_DIR} ABSOLUTE)
get_filename_component(LUMORA_TREE_DIR ${LUMORA_KIT_DIR}/../.. ABSOLUTE)
set(LUMORA_KIT_INCLUDE_DIRS ${LUMORA_KIT_DIR} ${LUMORA_TREE_DIR}/module_interface)

set(LUMORA_KIT_SOURCES game.cpp host.cpp patience.cpp patience_solving.cpp solver.cpp pairing.cpp module_entry.cpp pile_names.cpp)
if(WIN32)
  list(APPEND LUMORA_KIT_SOURCES link_win32.cpp)
  enable_language(RC)
else()
  list(APPEND LUMORA_KIT_SOURCES link_native.cpp)
endif()
list(TRANSFORM LUMORA_KIT_SOURCES PREPEND ${LUMORA_KIT_DIR}/)

# lumora_kit_optimise(<target>): a module's DLL, or the kit's sources built
# for one.
function(lumora_kit_optimise target)
  if(WIN32)
    target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O2>)
  endif()
endfunction()

# lumora_kit_game(<stem> <title> <rules.txt> <sources>...)
function(lumora_kit_game stem title rules)
  add_library(${stem} SHARED ${ARGN} ${LUMORA_KIT_SOURCES})
  target_include_directories(${stem} PRIVATE ${LUMORA_KIT_INCLUDE_DIRS})
  target_compile_features(${stem} PRIVATE cxx_std_20)
  set_target_properties(${stem} PROPERTIES PREFIX "")
  get_filename_component(rules ${rules} ABSOLUTE)
  if(WIN32)
    lumora_kit_resources(${stem} "${title}" ${rules})
    set_target_properties(${stem} PROPERTIES SUFFIX ".dll")
    target_compile_options(${stem} PRIVATE -ffunction-sections -fdata-sections)
    lumora_kit_optimise(${stem})
    target_link_options(${stem} PRIVATE ${LUMORA_TREE_DIR}/module_interface/tessel_module.def -Wl,--gc-sections
      $<$<NOT:$<CONFIG:Debug>>:-s>)
    if(LUMORA_KIT_STATIC_RUNTIME)
      target_link_options(${stem} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      target_link_options(${stem} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
    endif()
    target_link_libraries(${stem} PRIVATE user32)
  else()
    set_target_properties(${stem} PROPERTIES SUFFIX ".so" POSITION_INDEPENDENT_CODE ON)
  endif()
endfunction()

# The VERSIONINFO and the RULES text of a module's DLL.
function(lumora_kit_resources stem title rules)
  set(GAME_STEM ${stem})
  set(GAME_TITLE ${title})
  set(GAME_RULES ${rules})
  # The project's version, each part 0 where it gives none.
  foreach(part MAJOR MINOR PATCH)
    set(GAME_VERSION_${part} 0)
    if(NOT "${PROJECT_VERSION_${part}}" STREQUAL "")
      set(GAME_VERSION_${part} ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  configure_file(${LUMORA_KIT_DIR}/module.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${stem}.rc @ONLY)
  target_sources(${stem} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${stem}.rc)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${stem}.rc PROPERTIES OBJECT_DEPENDS ${rules})
endfunction()
