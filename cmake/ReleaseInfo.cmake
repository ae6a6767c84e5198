# One version and one release date for everything that shows them: the About
# box, the authors window, both programs' --version, the manual pages, the
# package's change log and the AppStream metainfo. The version is the
# project's; the date is DRYFRICTION_RELEASE_DATE (YYYY-MM-DD), set beside it.
#
# Sets DRYFRICTION_RELEASE_YEAR, _MONTH, _DAY (numbers, no leading zero) and
# DRYFRICTION_RELEASE_DATE_RFC2822 (the change log's "Mon, 07 Dec 2026
# 00:00:00 +0000"), and writes the header releaseinfo.h that the programs
# include (target dryfriction_release).

if(NOT DRYFRICTION_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "DRYFRICTION_RELEASE_DATE must read YYYY-MM-DD, not \"${DRYFRICTION_RELEASE_DATE}\"")
endif()
math(EXPR DRYFRICTION_RELEASE_YEAR "${CMAKE_MATCH_1}")
math(EXPR DRYFRICTION_RELEASE_MONTH "1${CMAKE_MATCH_2} - 100")
math(EXPR DRYFRICTION_RELEASE_DAY "1${CMAKE_MATCH_3} - 100")
set(day_padded "${CMAKE_MATCH_3}")

# The weekday by Sakamoto's method (0 is Sunday), for the change log's date.
set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR month_index "${DRYFRICTION_RELEASE_MONTH} - 1")
list(GET month_offsets ${month_index} month_offset)
set(year ${DRYFRICTION_RELEASE_YEAR})
if(DRYFRICTION_RELEASE_MONTH LESS 3)
  math(EXPR year "${year} - 1")
endif()
math(EXPR weekday "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${month_offset} + ${DRYFRICTION_RELEASE_DAY}) % 7")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET weekdays ${weekday} weekday_name)
list(GET months ${month_index} month_name)
set(DRYFRICTION_RELEASE_DATE_RFC2822
    "${weekday_name}, ${day_padded} ${month_name} ${DRYFRICTION_RELEASE_YEAR} 00:00:00 +0000")

configure_file(${CMAKE_CURRENT_LIST_DIR}/releaseinfo.h.in ${PROJECT_BINARY_DIR}/release/releaseinfo.h @ONLY)
add_library(dryfriction_release INTERFACE)
target_include_directories(dryfriction_release INTERFACE ${PROJECT_BINARY_DIR}/release)
