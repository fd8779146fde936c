# Libraries the program needs only on first use: the file dialogs (which
# bring the printing libraries with them), the shell's dropped files and
# the sound system. Linked through a delay-import library that dlltool
# makes from a list of the functions used, each system DLL is loaded by the
# first call of one of its functions instead of before the program starts.
#
#   lumora_delay_load(<target> <dll stem> <function>@<argument bytes>...)
#
# The argument bytes name the 32-bit build's stdcall symbols; the 64-bit
# build drops them.
function(lumora_delay_load target dll)
  find_program(LUMORA_DLLTOOL NAMES ${LUMORA_MINGW_PREFIX}-dlltool dlltool REQUIRED)
  set(dir ${CMAKE_BINARY_DIR}/delay-load)
  set(def ${dir}/${dll}.def)
  set(lib ${dir}/lib${dll}-delay.a)
  set(content "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(function IN LISTS ARGN)
    if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "@[0-9]+$" "" function ${function})
    endif()
    string(APPEND content "    ${function}\n")
  endforeach()
  file(CONFIGURE OUTPUT ${def} CONTENT "${content}")
  set(kill_at "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(kill_at --kill-at)
  endif()
  if(NOT TARGET delay_load_${dll})
    add_custom_command(OUTPUT ${lib}
      COMMAND ${LUMORA_DLLTOOL} --input-def ${def} --output-delaylib ${lib} --dllname ${dll}.dll ${kill_at}
      DEPENDS ${def}
      COMMENT "Delay-import library for ${dll}.dll")
    add_custom_target(delay_load_${dll} DEPENDS ${lib})
  endif()
  add_dependencies(${target} delay_load_${dll})
  target_link_libraries(${target} PRIVATE ${lib})
endfunction()
