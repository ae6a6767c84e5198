# Run by `cmake --install` (and by CPack): writes the desktop entry with the
# absolute path of the program under the prefix being installed to, and
# installs it. DESTDIR, when set, is only where the files go, not where the
# program will run from, so it is not part of the path written.
# Expects DRYFRICTION_DESKTOP_IN, DRYFRICTION_DESKTOP_OUT, DRYFRICTION_BINDIR
# and DRYFRICTION_APPLICATIONS_DIR.

if(IS_ABSOLUTE "${DRYFRICTION_BINDIR}")
  set(program "${DRYFRICTION_BINDIR}/dryfriction")
else()
  set(program "${CMAKE_INSTALL_PREFIX}/${DRYFRICTION_BINDIR}/dryfriction")
endif()
cmake_path(NORMAL_PATH program)

# Exec is a command line: a path with blanks or shell characters is quoted,
# and inside the quotes ", `, $ and \ are escaped. Then, as in every value of
# the entry, each \ is doubled; a % of Exec is written %%.
set(exec "${program}")
if(exec MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" try_exec "${program}")

set(DRYFRICTION_EXEC "${exec}")
set(DRYFRICTION_TRY_EXEC "${try_exec}")
configure_file("${DRYFRICTION_DESKTOP_IN}" "${DRYFRICTION_DESKTOP_OUT}" @ONLY)
if(IS_ABSOLUTE "${DRYFRICTION_APPLICATIONS_DIR}")
  set(destination "${DRYFRICTION_APPLICATIONS_DIR}")
else()
  set(destination "${CMAKE_INSTALL_PREFIX}/${DRYFRICTION_APPLICATIONS_DIR}")
endif()
file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${DRYFRICTION_DESKTOP_OUT}")
