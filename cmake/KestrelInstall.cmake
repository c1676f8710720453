# Install rules and the Debian package.
#
# Installed layout (prefix P):
#   P/libexec/kestrel/    Kestrel32, libOsprey32.so (and the other decision
#                         libraries), kestrel-sim, KestrelHelp32.pdf, and the
#                         marker that sends the settings to ~/.config/Kestrel
#   P/bin/kestrel         relative link to the program
#   P/bin/kestrel-sim     relative link to the runner
#   P/share/applications, P/share/metainfo, P/share/icons/hicolor, P/share/man/man6
# The program finds its libraries and help document in its own folder, so the
# prefix can be anywhere and nothing needs LD_LIBRARY_PATH.
include(GNUInstallDirs)

set(KESTREL_APP_ID org.kestrelcribbage.kestrel)
set(KESTREL_PKG_DIR ${CMAKE_INSTALL_LIBEXECDIR}/kestrel)

set(kestrel_programs Kestrel32 kestrel-sim)
set(kestrel_libraries Osprey32 Merlin32 Greedy32)
foreach(target IN LISTS kestrel_programs)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${KESTREL_PKG_DIR})
  endif()
endforeach()
foreach(target IN LISTS kestrel_libraries)
  if(TARGET ${target})
    install(TARGETS ${target} LIBRARY DESTINATION ${KESTREL_PKG_DIR})
  endif()
endforeach()
if(TARGET kestrel_help)
  install(FILES ${KESTREL_BIN_DIR}/KestrelHelp32.pdf DESTINATION ${KESTREL_PKG_DIR})
endif()
file(WRITE ${CMAKE_BINARY_DIR}/kestrel-installed
  "This program is installed: its settings live in the per-user configuration folder.\n")
install(FILES ${CMAKE_BINARY_DIR}/kestrel-installed DESTINATION ${KESTREL_PKG_DIR})

# The launchers on the PATH: relative links, so the tree can be moved.
file(RELATIVE_PATH kestrel_bin_to_pkg
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${KESTREL_PKG_DIR})
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK \"${kestrel_bin_to_pkg}/Kestrel32\" \"\${bin}/kestrel\" SYMBOLIC)
  if(EXISTS \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KESTREL_PKG_DIR}/kestrel-sim\")
    file(CREATE_LINK \"${kestrel_bin_to_pkg}/kestrel-sim\" \"\${bin}/kestrel-sim\" SYMBOLIC)
  endif()
")

# The application icon: data/icons/kestrel.svg, and PNGs of the same three
# fanned cards at the theme's sizes, painted at build time by the window's own
# icon code.
set(KESTREL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KESTREL_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
if(KESTREL_BUILD_UI)
  find_package(Qt6 REQUIRED COMPONENTS Gui)
  add_executable(app_icons ${CMAKE_SOURCE_DIR}/tools/app_icons/main.cpp ${CMAKE_SOURCE_DIR}/ui/icon_art.cpp
    ${CMAKE_SOURCE_DIR}/ui/palette.cpp)
  target_include_directories(app_icons PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(app_icons PRIVATE Qt6::Gui)
  set_target_properties(app_icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set(icon_files)
  foreach(size IN LISTS KESTREL_ICON_SIZES)
    list(APPEND icon_files ${KESTREL_ICON_DIR}/${size}.png)
  endforeach()
  add_custom_command(
    OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:app_icons> ${KESTREL_ICON_DIR} ${KESTREL_ICON_SIZES}
    DEPENDS app_icons
    COMMENT "Painting the application icons"
    VERBATIM)
  add_custom_target(kestrel_icons ALL DEPENDS ${icon_files})
endif()

# Desktop integration.
set(data ${CMAKE_SOURCE_DIR}/data)
install(FILES ${data}/${KESTREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/${KESTREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/icons/kestrel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KESTREL_APP_ID}.svg)
if(TARGET kestrel_icons)
  foreach(size IN LISTS KESTREL_ICON_SIZES)
    install(FILES ${KESTREL_ICON_DIR}/${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${KESTREL_APP_ID}.png)
  endforeach()
endif()
install(FILES ${data}/man/kestrel.6 ${data}/man/kestrel-sim.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# cpack -G DEB in the build folder (scripts/package) makes kestrel_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME kestrel)
set(CPACK_PACKAGE_VENDOR "The Kestrel developers")
set(CPACK_PACKAGE_CONTACT "The Kestrel developers <kestrel@kestrelcribbage.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-handed cribbage against the computer")
set(CPACK_PACKAGE_DESCRIPTION
  "Kestrel is a two-handed cribbage game: you play matches of games to 121 against the
computer, which counts its own points, pegs, lays away its crib cards and teases you
while it does. You peg your own points on the board, and the computer judges your
claims under the scoring rules you choose: friendly corrections, penalties, or
penalties with muggins. Players, saved matches, statistics and an activity log are
kept per player.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kestrelcribbage.org")
set(CPACK_STRIP_FILES ON)
include(CPack)
