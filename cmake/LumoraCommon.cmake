# Settings shared by every target of the project.

if(WIN32)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # The program and every game module share one copy of the C++ runtime of
  # the MinGW-w64 toolchain (libstdc++, libgcc_s, winpthread), which ships
  # beside the program (LUMORA_RUNTIME_DLLS). A module loaded at every start
  # then carries only its own code. The runtime is copied into bin/ so that
  # whatever runs from there finds it, with its sections laid out on page
  # boundaries in the file: Wine then maps it from the file and keeps in
  # memory only the pages in use (a third of libstdc++) instead of reading
  # all of it. The download ships these copies.
  set(LUMORA_RUNTIME_DLLS "")
  foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(IS_ABSOLUTE "${path}" AND EXISTS "${path}")
      get_filename_component(path "${path}" REALPATH)
      list(APPEND LUMORA_RUNTIME_DLLS ${path})
    endif()
  endforeach()
  if(NOT LUMORA_RUNTIME_DLLS MATCHES "libstdc\\+\\+-6\\.dll")
    message(FATAL_ERROR "The C++ runtime DLLs of ${CMAKE_CXX_COMPILER} were not found")
  endif()
  set(copies "")
  foreach(path IN LISTS LUMORA_RUNTIME_DLLS)
    get_filename_component(name ${path} NAME)
    set(copy ${CMAKE_BINARY_DIR}/bin/${name})
    if(${path} IS_NEWER_THAN ${copy})
      file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
      execute_process(COMMAND ${CMAKE_OBJCOPY} --file-alignment 0x1000 ${path} ${copy} RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "cannot copy ${path} into bin/")
      endif()
    endif()
    list(APPEND copies ${copy})
  endforeach()
  set(LUMORA_RUNTIME_DLLS ${copies})
endif()

# A tool that runs away from the program's folder (the end-to-end driver in
# a folder of its own, the benches) carries its own copy of the runtime.
function(lumora_static_runtime target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# make test and CI build with LUMORA_WARNINGS_AS_ERRORS on (the presets set it).
option(LUMORA_WARNINGS_AS_ERRORS "Fail the build on any warning" OFF)

# Every target of ours: games, tools and the host.
function(lumora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  if(LUMORA_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The host and its tests also hear of shadowed names, conversions that may
# lose a value, and what ISO C++ does not allow.
function(lumora_host_warnings target)
  lumora_warnings(${target})
  target_compile_options(${target} PRIVATE -Wshadow -Wconversion -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # As g++ takes -Wconversion for C++: sign changes are not among them.
    # The flexible array of the shared table header is the extension g++
    # takes under __extension__; clang warns of it all the same.
    target_compile_options(${target} PRIVATE -Wno-sign-conversion -Wno-c99-extensions)
  endif()
endfunction()

# Native test builds run under AddressSanitizer and UndefinedBehaviorSanitizer.
function(lumora_sanitize target)
  target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(${target} PUBLIC -fsanitize=address,undefined)
endfunction()

# The fuzz build: coverage for libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer on everything; fuzz targets also link libFuzzer.
function(lumora_fuzz_instrument target)
  target_compile_options(${target} PUBLIC -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(${target} PUBLIC -fsanitize=address,undefined)
endfunction()

# A game module or test module: a DLL that exports the sixteen entry points
# with undecorated names, listed in module_interface/tessel_module.def, and
# nothing its entry points do not reach.
function(lumora_game_module target)
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".dll")
  target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
  target_link_options(${target} PRIVATE ${CMAKE_SOURCE_DIR}/module_interface/tessel_module.def -Wl,--gc-sections)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
  endif()
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/module_interface/tessel_module.def)
endfunction()

# The program's resources depend on generated pictures and sounds.
function(lumora_resource_dependencies target)
  if(TARGET lumora_pictures)
    add_dependencies(${target} lumora_pictures)
  endif()
endfunction()
