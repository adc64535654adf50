# Installing Sproutkin like any other desktop program, and the Debian package.
#
#   cmake --install build --prefix /some/where    # a plain installation
#   cd build && cpack -G DEB                       # sproutkin_<version>_<arch>.deb
#
# The program reads its picture files from the folder of its own executable, so the
# executable and every picture file go into one private folder, and the command on
# the PATH is a symbolic link to it (the program resolves the link to find the folder).

include(GNUInstallDirs)

# Installing and packaging take what is built and build nothing themselves: the
# installation test packages the tree while other tests run from it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(SPROUT_APP_ID org.sproutkin.Sproutkin)
set(SPROUT_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/sproutkin CACHE STRING
    "Folder under the prefix that holds the executable and its picture files")

install(TARGETS sproutkin RUNTIME DESTINATION ${SPROUT_PROGRAM_DIR})
# The picture files are written by assetgen at build time beside the executable;
# nothing else of bin/ (tests, tools) belongs to the installation.
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/
        DESTINATION ${SPROUT_PROGRAM_DIR}
        FILES_MATCHING PATTERN "*.bmp"
        PATTERN "CMakeFiles" EXCLUDE)
# The recorded voice lies beside the pictures, made at build time by voicegen.
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/voice
        DESTINATION ${SPROUT_PROGRAM_DIR}
        FILES_MATCHING PATTERN "*.wav")

# A relative link, so that the installed tree can be moved or packaged as it is.
file(RELATIVE_PATH sprout_link_target
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${SPROUT_PROGRAM_DIR}/sproutkin)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
file(CREATE_LINK ${sprout_link_target} ${CMAKE_CURRENT_BINARY_DIR}/packaging/sproutkin SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/sproutkin DESTINATION ${CMAKE_INSTALL_BINDIR})

# What the desktop needs to list and show the program.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${SPROUT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${SPROUT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${SPROUT_BUILTIN_PICTURES}/desktop-icons/${size}x${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${SPROUT_APP_ID}.png)
endforeach()

# Debian wants a copyright file and a compressed changelog in the package's doc
# folder, and a manual page for every command.
set(sprout_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/sproutkin)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${sprout_doc_dir})
# gzip -9n: best compression and no time stamp, as Debian's tools check.
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog
          > ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/sproutkin.1.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/sproutkin.1
          > ${CMAKE_CURRENT_BINARY_DIR}/packaging/sproutkin.1.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/sproutkin.1
  COMMENT "Compressing the manual page")
add_custom_target(packaging_files ALL DEPENDS
  ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
  ${CMAKE_CURRENT_BINARY_DIR}/packaging/sproutkin.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/sproutkin.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${sprout_doc_dir})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sproutkin)
set(CPACK_PACKAGE_VENDOR "The Sproutkin developers")
set(CPACK_PACKAGE_CONTACT "Sproutkin developers <maintainers@sproutkin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning program for pre-school children")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://sproutkin.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION
    "A child, usually with a parent beside it, clicks through a classroom: the
teacher greets it, a board lists five picture lessons (colours, shapes,
letters, numbers and measuring) and a games menu offers Tic-Tac-Toe against
the computer and four quizzes. Ten right answers in a quiz earn a certificate
that prints on the default printer.")
# The Qt and C++ libraries come from the executable itself; the fonts the screens
# are laid out with are read at run time and cannot be found that way, nor can the
# print system's client, which Qt loads as a plugin, nor the sound library, which
# the voice opens after the first frame.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-cabin, fonts-liberation2, libcups2, libpulse0")
# Printing needs a print system somewhere, not necessarily on this machine.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
# On a Wayland desktop Qt draws natively through its Wayland platform.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
