# Renders one document twice and checks that the two PDFs are the same bytes,
# and that their creation date is the one SOURCE_DATE_EPOCH gives, not the
# time of the build. Run with cmake -P and
#   -DRENDERER=<dryfriction-markdownpdf> -DSOURCE=<document.md>
#   -DFIGURES=<figure folder> -DWORK=<scratch folder> -DPDFINFO=<pdfinfo>

cmake_minimum_required(VERSION 3.25)

file(MAKE_DIRECTORY ${WORK})
# 2001-09-09 01:46:40 UTC
set(ENV{SOURCE_DATE_EPOCH} 1000000000)
set(ENV{QT_QPA_PLATFORM} offscreen)
foreach(run first second)
  execute_process(COMMAND ${RENDERER} ${SOURCE} ${WORK}/${run}.pdf ${FIGURES} "Проверка"
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the ${run} render of ${SOURCE} failed")
  endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/first.pdf ${WORK}/second.pdf
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "two renders of ${SOURCE} differ")
endif()

execute_process(COMMAND ${PDFINFO} -isodates ${WORK}/first.pdf OUTPUT_VARIABLE info)
if(NOT info MATCHES "CreationDate: +2001-09-09T01:46:40")
  message(FATAL_ERROR "the creation date is not SOURCE_DATE_EPOCH's:\n${info}")
endif()
