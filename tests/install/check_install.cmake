# Installs the build at BUILD_DIR into PREFIX and checks that every file of the program is
# there, that the installed program runs, and that the desktop's own tools accept the entry and
# the MIME type when they are installed. Run with cmake -P.

function(fail message)
  message(FATAL_ERROR "${message}")
endfunction()

# Runs a command; fails with its output when it does not succeed. The output is in out.
function(run_checked what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(failed)
    fail("${what} failed (${failed}):\n${output}")
  endif()
  set(out "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
run_checked("cmake --install" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}")

set(program "${PREFIX}/${BINDIR}/hygrovia")
set(entry "${PREFIX}/${DATADIR}/applications/hygrovia.desktop")
set(icon "${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/hygrovia.svg")
set(mime "${PREFIX}/${DATADIR}/mime/packages/hygrovia.xml")
set(help "${PREFIX}/${DATADIR}/hygrovia/Hygrovia.html")
foreach(file IN ITEMS "${program}" "${entry}" "${icon}" "${mime}" "${help}")
  if(NOT EXISTS "${file}")
    list(APPEND missing "${file}")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " missing)
  fail("not installed:\n  ${missing}")
endif()

run_checked("the installed program" "${program}" --version)
if(NOT out STREQUAL "Hygrovia ${VERSION}\n")
  fail("the installed program's version reads \"${out}\"")
endif()

# The entry starts the installed program with the chosen files, shows the installed icon and
# opens the installed MIME type.
file(STRINGS "${entry}" exec REGEX "^Exec=")
file(STRINGS "${entry}" icon_name REGEX "^Icon=")
file(STRINGS "${entry}" types REGEX "^MimeType=")
if(NOT exec STREQUAL "Exec=hygrovia %F" OR NOT icon_name STREQUAL "Icon=hygrovia")
  fail("the entry starts \"${exec}\" with \"${icon_name}\"")
endif()
file(READ "${mime}" mime_text)
if(NOT types MATCHES "^MimeType=application/x-hygrovia-chart[\\;]*$" OR
   NOT mime_text MATCHES "type=\"application/x-hygrovia-chart\"" OR
   NOT mime_text MATCHES "pattern=\"\\*\\.hgv\"")
  fail("the entry's \"${types}\" is not the type of ${mime}")
endif()

find_program(validate desktop-file-validate)
if(validate)
  run_checked("desktop-file-validate" "${validate}" "${entry}")
  if(NOT out STREQUAL "")
    fail("desktop-file-validate has remarks:\n${out}")
  endif()
else()
  message(STATUS "desktop-file-validate is not installed; the entry was not validated")
endif()

find_program(xmllint xmllint)
if(xmllint)
  run_checked("xmllint" "${xmllint}" --noout "${mime}" "${icon}")
endif()

# Installing onto a prefix of its own updates that prefix's MIME database, where .hgv files
# must now have their type.
find_program(update_mime update-mime-database)
if(update_mime)
  file(READ "${PREFIX}/${DATADIR}/mime/globs2" globs)
  if(NOT globs MATCHES "application/x-hygrovia-chart:\\*\\.hgv")
    fail("the MIME database of ${PREFIX} does not know *.hgv")
  endif()
endif()
message(STATUS "install tree at ${PREFIX} holds every file")
