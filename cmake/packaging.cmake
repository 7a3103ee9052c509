# Installation into /opt/tl_relatorios with the link /usr/bin/tl_relatorios,
# and the Debian package made from it by CPack (scripts/package.sh).
# TL.ini is read beside the real executable, so everything the program looks
# for beside itself lives in /opt/tl_relatorios; the link only puts it on PATH.

# Destinations are relative to "/": `cmake --install build` installs the same
# tree the package holds.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "/" CACHE PATH "Installation root" FORCE)
endif()
set(TL_INSTALL_DIR opt/tl_relatorios)
# Installing (and so CPack) takes the program as built and does not build
# everything else first: scripts/package.sh builds the one target it needs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

install(TARGETS tl_relatorios tl_relatorios_janelas RUNTIME DESTINATION ${TL_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/scripts/demo/cabecalho.jpg
              ${CMAKE_SOURCE_DIR}/scripts/demo/rodape.jpg
              ${CMAKE_SOURCE_DIR}/scripts/package/TL.ini.exemplo
        DESTINATION ${TL_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/GUIA.md DESTINATION usr/share/doc/tl-relatorios)
# An empty layouts/ folder, ready for the shop's own layout files.
install(FILES ${CMAKE_SOURCE_DIR}/scripts/package/layouts.keep
        DESTINATION ${TL_INSTALL_DIR}/layouts RENAME .keep)
# The link is made in the build tree and installed as a link.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package-link)
file(CREATE_LINK /${TL_INSTALL_DIR}/tl_relatorios ${CMAKE_BINARY_DIR}/package-link/tl_relatorios
     SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/package-link/tl_relatorios DESTINATION usr/bin)

# The header and footer images are the shop's to replace: as conffiles, an
# upgrade keeps the shop's own and removing the package leaves them.
file(WRITE ${CMAKE_BINARY_DIR}/package-control/conffiles
     "/${TL_INSTALL_DIR}/cabecalho.jpg\n/${TL_INSTALL_DIR}/rodape.jpg\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/package-control/conffiles)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tl-relatorios)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TL_Relatorios")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Impressão de relatórios, cupons, etiquetas e consulta de comissões")
set(CPACK_PACKAGE_DESCRIPTION
    "Lê o trabalho parimp.txt e o TL.ini, consulta o banco Firebird ou ODBC\n"
    "somente para leitura e produz um documento: relatórios com visualização\n"
    "ou PDF, textos para impressoras de cupom e matriciais, etiquetas PPLA e\n"
    "a consulta de comissões.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "TL_Relatorios <suporte@tl-relatorios.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_FILE_NAME "${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_amd64.deb")
# Linked libraries (Qt, libcups, libzint...) come from dpkg-shlibdeps; what Qt
# loads at run time (SQL drivers, the SVG icon engine, translations), the
# database engine and the fonts are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(TL_RUNTIME_PACKAGES
    libqt6sql6-ibase libqt6sql6-odbc libqt6svg6 qt6-translations-l10n
    libfbclient2 firebird3.0-server-core unixodbc libcups2 fonts-liberation2)
list(JOIN TL_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "tdsodbc, cups")
include(CPack)

# The package test builds its own package in a scratch folder, so it needs
# dpkg-deb, dpkg-shlibdeps and the fixture database.
find_program(TL_DPKG_DEB dpkg-deb)
find_program(TL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(BUILD_TESTING AND TL_DPKG_DEB AND TL_DPKG_SHLIBDEPS AND TARGET fixture_db)
  add_test(NAME package_install
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package_test.sh
                   ${CMAKE_BINARY_DIR} $<TARGET_FILE:tl_relatorios> ${TL_FIXTURE_DB}
                   ${CMAKE_CPACK_COMMAND})
endif()
