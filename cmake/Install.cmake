# What the program installs beside itself to live on a freedesktop desktop: a menu entry, an
# icon in the hicolor theme and the MIME type of ".hgv" chart files, so that a file manager
# opens them with the program. The program and its help file are installed with the program.
if(NOT HYGROVIA_APP)
  return()
endif()
include(GNUInstallDirs)

set(HYGROVIA_DIST ${PROJECT_SOURCE_DIR}/dist)
install(FILES ${HYGROVIA_DIST}/hygrovia.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${HYGROVIA_DIST}/hygrovia.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${HYGROVIA_DIST}/hygrovia.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# Installed straight onto a system (no DESTDIR staging for a package), the desktop's caches
# learn of the new type and entry at once; a package leaves that to its own triggers.
install(CODE "set(hygrovia_datadir \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    set(share "${hygrovia_datadir}")
    if(NOT IS_ABSOLUTE "${share}")
      set(share "${CMAKE_INSTALL_PREFIX}/${share}")
    endif()
    find_program(HYGROVIA_UPDATE_MIME update-mime-database)
    find_program(HYGROVIA_UPDATE_DESKTOP update-desktop-database)
    if(HYGROVIA_UPDATE_MIME)
      execute_process(COMMAND ${HYGROVIA_UPDATE_MIME} "${share}/mime" RESULT_VARIABLE failed)
      if(failed)
        message(WARNING "update-mime-database failed; .hgv files are known after the next update")
      endif()
    endif()
    if(HYGROVIA_UPDATE_DESKTOP)
      execute_process(COMMAND ${HYGROVIA_UPDATE_DESKTOP} -q "${share}/applications"
        RESULT_VARIABLE failed)
      if(failed)
        message(WARNING "update-desktop-database failed; the entry is known after the next update")
      endif()
    endif()
  endif()
]])
