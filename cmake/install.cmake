# Where `cmake --install` puts the programs and their files, as a Debian system expects them:
# programs in bin, the language files in share/stroval/languages (report/res/languages.h finds
# them from the program's folder), the desktop entry, the prepared-report file type, the icon in
# hicolor, the man pages, the bash completion, and the font substitutions in fontconfig's folder
# of available settings, enabled by a link in its folder of active ones.
include(GNUInstallDirs)

set(files ${STROVAL_INSTALL_FILES_DIR})
install(TARGETS stroval stroval-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${STROVAL_LANGUAGE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/stroval/languages)
install(FILES app/desktop/stroval.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES app/desktop/stroval-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME stroval.xml)
install(DIRECTORY ${files}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(DIRECTORY ${files}/man/ DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)
install(FILES ${files}/stroval-report.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME stroval-report)

set(fontconfig_available ${CMAKE_INSTALL_DATADIR}/fontconfig/conf.avail)
install(FILES ${files}/65-stroval.conf DESTINATION ${fontconfig_available})
# The link is made when installing, for the prefix of that moment: /usr's settings are in /etc,
# any other prefix's in its own etc. It is relative, so it holds inside a package's root too.
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(etc /etc)
  else()
    set(etc \"\${CMAKE_INSTALL_PREFIX}/etc\")
  endif()
  set(active \"\$ENV{DESTDIR}\${etc}/fonts/conf.d\")
  file(RELATIVE_PATH target \"\${etc}/fonts/conf.d\"
       \"\${CMAKE_INSTALL_PREFIX}/${fontconfig_available}/65-stroval.conf\")
  message(STATUS \"Installing: \${active}/65-stroval.conf -> \${target}\")
  file(MAKE_DIRECTORY \"\${active}\")
  file(CREATE_LINK \"\${target}\" \"\${active}/65-stroval.conf\" SYMBOLIC)
")
