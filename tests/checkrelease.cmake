# The version and the release date are the same wherever a user meets them:
# both programs' --version (run with no display to open), the manual pages,
# the package's change log and the AppStream metainfo. The weekday of the
# change log's date is checked against date(1).
#
# -DVERSION=1.0.0 -DDATE=YYYY-MM-DD -DPROGRAMS=path;path -DMAN_PAGES=path;path
# -DCHANGELOG=path -DMETAINFO_DIR=folder of the written metainfo

cmake_minimum_required(VERSION 3.25)
set(failures "")

string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${DATE}")
set(shown_date "${CMAKE_MATCH_3}.${CMAKE_MATCH_2}.${CMAKE_MATCH_1}")

foreach(program IN LISTS PROGRAMS)
  get_filename_component(name "${program}" NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                          "${program}" --version
                  OUTPUT_VARIABLE out RESULT_VARIABLE status)
  set(expected "${name} ${VERSION}\nДата выпуска: ${shown_date}\n")
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    string(APPEND failures "${name} --version: status ${status}, printed:\n${out}")
  endif()
endforeach()

foreach(page IN LISTS MAN_PAGES)
  file(STRINGS "${page}" th REGEX "^\\.TH ")
  string(FIND "${th}" " 1 \"${DATE}\" \"dryfriction ${VERSION}\" " at)
  if(at EQUAL -1)
    string(APPEND failures "${page}: ${th}\n")
  endif()
endforeach()

file(STRINGS "${CHANGELOG}" changelog)
list(GET changelog 0 first)
list(GET changelog -1 last)
execute_process(COMMAND env LC_ALL=C date -u -d "${DATE}" "+%a, %d %b %Y 00:00:00 +0000"
                OUTPUT_VARIABLE rfc2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
string(FIND "${first}" "dryfriction (${VERSION}) " version_at)
string(FIND "${last}" "  ${rfc2822}" date_at)
if(NOT version_at EQUAL 0 OR date_at EQUAL -1)
  string(APPEND failures "change log, expected ${VERSION} and ${rfc2822}:\n${first}\n${last}\n")
endif()

file(GLOB metainfo_file "${METAINFO_DIR}/*.metainfo.xml")
file(READ "${metainfo_file}" metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\" date=\"${DATE}\"/>" at)
if(at EQUAL -1)
  string(APPEND failures "${metainfo_file}: no release ${VERSION} of ${DATE}\n")
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
