# The Debian package: `cpack -G DEB` in a build folder writes salvaro_<version>_amd64.deb with the
# two programs, their manual pages, the desktop entry and icon, the AppStream metainfo, the help
# pages, the copyright file and the changelog. scripts/paket builds it from a fresh clone.
include(GNUInstallDirs)

set(SALVARO_PAKET_BETREUER "Salvaro <info@salvaro.de>"
    CACHE STRING "Maintainer of the Debian package (name and address)")

# The changelog names the release and its date; the version must be the project's.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog _salvaro_changelog)
list(GET _salvaro_changelog 0 _salvaro_kopf)
if(NOT _salvaro_kopf MATCHES "^salvaro \\(([^)]+)\\)")
  message(FATAL_ERROR "packaging/changelog: first line is no entry of salvaro")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: newest entry ${CMAKE_MATCH_1}, project ${PROJECT_VERSION}")
endif()
set(_salvaro_monate Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
foreach(_zeile IN LISTS _salvaro_changelog)
  if(_zeile MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    list(FIND _salvaro_monate ${CMAKE_MATCH_2} _monat)
    math(EXPR _monat "${_monat} + 1")
    math(EXPR _tag "${CMAKE_MATCH_1}")
    string(LENGTH "${_monat}" _l)
    if(_l EQUAL 1)
      set(_monat "0${_monat}")
    endif()
    string(LENGTH "${_tag}" _l)
    if(_l EQUAL 1)
      set(_tag "0${_tag}")
    endif()
    set(SALVARO_RELEASE_DATUM "${CMAKE_MATCH_3}-${_monat}-${_tag}")
    break()
  endif()
endforeach()
if(NOT SALVARO_RELEASE_DATUM)
  message(FATAL_ERROR "packaging/changelog: the newest entry has no date line")
endif()

set(_salvaro_paket ${PROJECT_BINARY_DIR}/paket)
configure_file(${PROJECT_SOURCE_DIR}/packaging/de.salvaro.Salvaro.metainfo.xml.in
               ${_salvaro_paket}/de.salvaro.Salvaro.metainfo.xml @ONLY)
# Without a time stamp in the gzip header, so that the package is reproducible.
add_custom_command(OUTPUT ${_salvaro_paket}/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${_salvaro_paket}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  COMMENT "Changelog des Pakets packen")
set(_salvaro_paketdateien ${_salvaro_paket}/changelog.gz)

# The manual pages come from each program's --help. The version string is given, so that the
# pages do not depend on how a program answers --version. help2man takes the text of --name as
# bytes and encodes it once more ("fÃ¼r"), but reads an include file as UTF-8: the NAME line comes
# from one. Its section headings are English in the C locale (a German locale need not exist
# where the package is built); they are put into German afterwards, and the page carries the
# release date instead of the day it was built.
find_program(SALVARO_HELP2MAN help2man)
set(_salvaro_seiten)
if(SALVARO_HELP2MAN)
  set(_salvaro_programme salvaro-cli "Brutto-Netto-Rechner für die Kommandozeile")
  if(TARGET salvaro)
    list(APPEND _salvaro_programme salvaro "Brutto-Netto-Rechner mit Programmfenster")
  endif()
  set(_salvaro_deutsch ${_salvaro_paket}/handbuch-deutsch.sed)
  file(WRITE ${_salvaro_deutsch}
       "s/^\\.SH NAME$/.SH BEZEICHNUNG/\n"
       "s/^\\.SH SYNOPSIS$/.SH ÜBERSICHT/\n"
       "s/^\\.SH DESCRIPTION$/.SH BESCHREIBUNG/\n"
       "s/^\\.SH OPTIONS$/.SH OPTIONEN/\n"
       "s/^\\.SH EXAMPLES$/.SH BEISPIELE/\n"
       "s/^\\.SH \"EXIT STATUS\"$/.SH EXIT-STATUS/\n"
       "s/^\\.SH ENVIRONMENT$/.SH UMGEBUNGSVARIABLEN/\n"
       "s/^\\.SH FILES$/.SH DATEIEN/\n"
       "s/^\\.SH AUTHOR$/.SH AUTOR/\n"
       "s/^\\.SH \"REPORTING BUGS\"$/.SH \"FEHLER MELDEN\"/\n"
       "s/^\\.SH \"SEE ALSO\"$/.SH \"SIEHE AUCH\"/\n"
       "s/^\\(\\.TH [^ ]* \"1\" \\)\"[^\"]*\"/\\1\"${SALVARO_RELEASE_DATUM}\"/\n")
  while(_salvaro_programme)
    list(POP_FRONT _salvaro_programme _programm _name)
    set(_seite ${_salvaro_paket}/${_programm}.1)
    file(WRITE ${_salvaro_paket}/${_programm}.h2m "[NAME]\n${_programm} \\- ${_name}\n")
    add_custom_command(OUTPUT ${_seite}.gz
      COMMAND ${SALVARO_HELP2MAN} --locale=C.UTF-8 --no-info --section=1
              --manual=Benutzerbefehle --include=${_salvaro_paket}/${_programm}.h2m
              "--version-string=${_programm} ${PROJECT_VERSION}" --output=${_seite}
              $<TARGET_FILE:${_programm}>
      COMMAND sed -i -f ${_salvaro_deutsch} ${_seite}
      COMMAND gzip -9nf ${_seite}
      DEPENDS ${_programm} ${_salvaro_deutsch} ${_salvaro_paket}/${_programm}.h2m
      COMMENT "Handbuchseite ${_programm}.1 aus --help")
    list(APPEND _salvaro_seiten ${_seite}.gz)
  endwhile()
  install(FILES ${_salvaro_seiten} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: no manual pages (the Debian package needs them)")
endif()
add_custom_target(salvaro_paketdateien ALL DEPENDS ${_salvaro_paketdateien} ${_salvaro_seiten})

install(FILES ${_salvaro_paket}/de.salvaro.Salvaro.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${_salvaro_paket}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/salvaro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME salvaro)
set(CPACK_PACKAGE_VENDOR Salvaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SALVARO_PAKET_BETREUER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.salvaro.de)
# The libraries the two programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and menus in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Brutto-Netto-Rechner für Lohn und Gehalt von 2004 bis 2026")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Salvaro rechnet aus einem Monatsbrutto Lohnsteuer, Solidaritätszuschlag,
Kirchensteuer, die Beiträge des Arbeitnehmers zur Kranken-, Renten-,
Arbeitslosen- und Pflegeversicherung und das Netto, für jeden Monat von
Januar 2004 bis Dezember 2026, nach dem amtlichen Programmablaufplan des
jeweiligen Jahres auf den Cent genau. Aus einem gewünschten Netto findet es
das nötige Brutto.

Das Paket enthält das Programmfenster salvaro mit ausführlicher Abrechnung
zum Speichern und Drucken und das Programm salvaro-cli für die Kommandozeile
und für ganze Tabellen.")
include(CPack)
