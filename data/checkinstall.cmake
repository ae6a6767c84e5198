# Installs the build into a scratch root (DESTDIR) and checks the desktop integration there:
# cmake -DBUILD_DIR=... -DSTAGE=... -DPREFIX=... -DBINDIR=... -DDATADIR=... -DAPP_ID=...
#       -DDOCS_DIR=... -DICON_SIZES=... -DPROGRAMS=... -DDESKTOP_FILE_VALIDATE=...
#       -DAPPSTREAMCLI=... -P checkinstall.cmake
cmake_minimum_required(VERSION 3.25)

set(failures 0)
macro(fail)
  message(SEND_ERROR ${ARGN})
  math(EXPR failures "${failures} + 1")
endmacro()

macro(expect_file path)
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    fail("not installed: ${path}")
  endif()
endmacro()

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} is missing: run scripts/bootstrap")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(root "${STAGE}${PREFIX}")

# Every file is installed once: a program installed by two rules would be copied twice.
file(READ "${BUILD_DIR}/install_manifest.txt" manifest)
string(REPLACE "\n" ";" manifest "${manifest}")
list(LENGTH manifest installed)
list(REMOVE_DUPLICATES manifest)
list(LENGTH manifest distinct)
if(NOT installed EQUAL distinct)
  fail("the install manifest names a file more than once")
endif()
set(share "${root}/${DATADIR}")

foreach(program IN LISTS PROGRAMS)
  if(program)
    set(binary "${root}/${BINDIR}/${program}")
    expect_file("${binary}")
    if(EXISTS "${binary}" AND NOT IS_DIRECTORY "${binary}")
      file(READ "${binary}" magic LIMIT 4 HEX)
      if(NOT magic STREQUAL "7f454c46")
        fail("${binary} is not an executable")
      endif()
    endif()
  endif()
endforeach()

# The desktop entry: valid, and starting the installed program by its absolute path
# (the prefix's, not the scratch root's), with no working folder of its own.
set(desktop "${share}/applications/dryfriction.desktop")
expect_file("${desktop}")
if(EXISTS "${desktop}")
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  # Hints are advice (Education and Science are both main categories, as intended);
  # errors and warnings are faults.
  if(NOT rc EQUAL 0 OR out MATCHES "(error|warning):")
    fail("desktop-file-validate ${desktop}:\n${out}")
  endif()
  file(READ "${desktop}" entry)
  if(entry MATCHES "\nPath=")
    fail("${desktop} names a working folder")
  endif()
  foreach(expected "Exec=${PREFIX}/${BINDIR}/dryfriction" "TryExec=${PREFIX}/${BINDIR}/dryfriction"
                   "Icon=dryfriction" categories)
    if(expected STREQUAL "categories")
      set(expected [[Categories=Education;Science;Physics;]])
    endif()
    string(FIND "${entry}" "\n${expected}\n" at)
    if(at EQUAL -1)
      fail("${desktop} lacks the line ${expected}")
    endif()
  endforeach()
  foreach(key Name Comment)
    string(REGEX MATCH "\n${key}=([^\n]*)" _ "${entry}")
    set(english "${CMAKE_MATCH_1}")
    string(REGEX MATCH "\n${key}\\[ru\\]=([^\n]*)" _ "${entry}")
    set(russian "${CMAKE_MATCH_1}")
    if(english STREQUAL "" OR russian STREQUAL "" OR russian STREQUAL english)
      fail("${desktop} needs an English and a Russian ${key}")
    endif()
  endforeach()
endif()
expect_file("${root}/${DOCS_DIR}/instruction.txt")

# The AppStream metainfo, also checked together with the desktop entry and icons it points to.
set(metainfo "${share}/metainfo/${APP_ID}.metainfo.xml")
expect_file("${metainfo}")
if(EXISTS "${metainfo}")
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate ${metainfo}:\n${out}")
  endif()
  execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${root}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate-tree ${root}:\n${out}")
  endif()
endif()

# The icon: the SVG and every PNG size, each a PNG of exactly that size.
expect_file("${share}/icons/hicolor/scalable/apps/dryfriction.svg")
foreach(size IN LISTS ICON_SIZES)
  set(png "${share}/icons/hicolor/${size}x${size}/apps/dryfriction.png")
  expect_file("${png}")
  if(EXISTS "${png}")
    # Signature (8 bytes), IHDR length and type (8 bytes), then width and height (4 bytes each).
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REPLACE "0x" "" expected "${expected}")
    string(LENGTH "${expected}" n)
    while(n LESS 8)
      string(PREPEND expected "0")
      math(EXPR n "${n} + 1")
    endwhile()
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width STREQUAL expected
       OR NOT height STREQUAL expected)
      fail("${png} is not a ${size}x${size} PNG (header ${header})")
    endif()
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) with the installed files")
endif()
message(STATUS "installed tree in ${root} is complete and valid")
