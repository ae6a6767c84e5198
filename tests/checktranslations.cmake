# Fails when the committed translation source misses a text of the interface
# or keeps one it no longer has: updates a copy of the committed file with
# lupdate, as the update_translations target does, and compares the two; an
# up-to-date file comes out unchanged, whatever order its texts were added in.
#   -DLUPDATE=... -DGENERATOR=.../GenerateLUpdateProject.cmake
#   -DPROJECT_IN=<build>/app/.lupdate/dryfriction_app_project.cmake -DTS=<committed .ts> -DWORK=<scratch dir>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${WORK}/project.json -P ${GENERATOR}
                RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "could not describe the sources for lupdate")
endif()
get_filename_component(name ${TS} NAME)
file(COPY ${TS} DESTINATION ${WORK})
execute_process(COMMAND ${LUPDATE} -project ${WORK}/project.json -source-language ru_RU -locations none
                        -no-obsolete -silent -ts ${WORK}/${name}
                RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "lupdate failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${TS} ${WORK}/${name} RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND diff -u ${TS} ${WORK}/${name})
  message(FATAL_ERROR "${TS} is not up to date: build the target update_translations and commit it")
endif()
message(STATUS "every text of the interface is in ${name}")
