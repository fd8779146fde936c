# Stages the download in STAGE (a folder of the same name inside the zip),
# strips the binaries and packs ZIP. Run by the dist target.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/LICENSES)
foreach(binary IN LISTS BINARIES)
  get_filename_component(name ${binary} NAME)
  execute_process(COMMAND ${STRIP} --strip-all -o ${STAGE}/${name} ${binary}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot strip ${binary}")
  endif()
endforeach()
file(COPY ${README} DESTINATION ${STAGE})
file(GLOB licence_texts ${LICENSES}/*.txt)
foreach(text IN LISTS licence_texts)
  # Windows' Notepad of old shows a text with bare line feeds on one line.
  file(READ ${text} content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REPLACE "\n" "\r\n" content "${content}")
  get_filename_component(name ${text} NAME)
  file(WRITE ${STAGE}/LICENSES/${name} "${content}")
endforeach()

get_filename_component(stage_parent ${STAGE} DIRECTORY)
get_filename_component(stage_name ${STAGE} NAME)
get_filename_component(zip_dir ${ZIP} DIRECTORY)
file(MAKE_DIRECTORY ${zip_dir})
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${stage_name}
  WORKING_DIRECTORY ${stage_parent} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write ${ZIP}")
endif()
