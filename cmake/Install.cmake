# SPDX-FileCopyrightText: 2026 The alacrity authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Install rules: the programs, the subject register library, the desktop
# entry, icon and AppStream metainfo, the udev rules of the response box and
# its firmware, the manual pages and the documentation (the README, the
# manual and the format notes). Included at the end of the top-level CMakeLists.txt, when
# every target exists; the Debian package (cmake/Packaging.cmake) is made
# from these rules.
#
#   cmake --install build/release --prefix /usr/local --strip
include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(ALACRITY_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
  "Where the udev rule goes, relative to the install prefix")

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(generated_dir ${PROJECT_BINARY_DIR}/packaging)

# --- Programs ---------------------------------------------------------------
set(alacrity_programs alacrity alacrity-cli alacrity-boxsim alacrity-avrbox)
if(TARGET alacrity-report)
  list(APPEND alacrity_programs alacrity-report)
endif()
install(TARGETS ${alacrity_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# --- The subject register library ---------------------------------------------
# libprsrg serves these programs only, so it is private: it lives in
# lib/<multiarch>/alacrity, out of the dynamic linker's search path (no
# ldconfig, no development symlink, no library package of its own), and the
# program finds it relative to itself ($ORIGIN), wherever the prefix is.
# (The multiarch directory also for prefixes other than /usr: CPack adds
# ldconfig calls for any library whose parent directory is /usr/lib.)
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(private_libdir_default lib/${CMAKE_LIBRARY_ARCHITECTURE}/alacrity)
else()
  set(private_libdir_default ${CMAKE_INSTALL_LIBDIR}/alacrity)
endif()
set(ALACRITY_PRIVATE_LIBDIR ${private_libdir_default} CACHE STRING
  "Where the private subject register library goes, relative to the install prefix")
if(TARGET prsrg)
  install(TARGETS prsrg LIBRARY DESTINATION ${ALACRITY_PRIVATE_LIBDIR} NAMELINK_SKIP)
  file(RELATIVE_PATH bin_to_private_lib
    /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${ALACRITY_PRIVATE_LIBDIR})
  set_target_properties(alacrity PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_private_lib}")
endif()

# --- Files made at build time ---------------------------------------------------
# The 48-pixel menu icon is rendered from the SVG; manual pages and the
# changelog are compressed as Debian expects (gzip -9n: no name, no time).
find_package(Qt6 REQUIRED COMPONENTS Gui Svg)
find_program(GZIP_PROGRAM gzip REQUIRED)

add_executable(alacrity-render-svg ${packaging_dir}/tools/render_svg.cpp)
target_link_libraries(alacrity-render-svg PRIVATE Qt6::Gui Qt6::Svg alacrity_warnings)

set(icon_png ${generated_dir}/icons/48x48/alacrity.png)
add_custom_command(
  OUTPUT ${icon_png}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${generated_dir}/icons/48x48
  COMMAND alacrity-render-svg ${packaging_dir}/icons/alacrity.svg 48 ${icon_png}
  DEPENDS alacrity-render-svg ${packaging_dir}/icons/alacrity.svg
  COMMENT "Rendering the 48 px icon"
  VERBATIM)

# gzip -9n of SOURCE into OUTPUT (OUTPUT ends in .gz).
set(compressed_files)
function(alacrity_gzip source output)
  string(REGEX REPLACE "\\.gz$" "" plain ${output})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND ${GZIP_PROGRAM} -9nf ${plain}
    DEPENDS ${source}
    VERBATIM)
  set(compressed_files ${compressed_files} ${output} PARENT_SCOPE)
endfunction()

set(man_pages alacrity.1 alacrity-cli.1 alacrity-boxsim.1 alacrity-avrbox.1)
if(TARGET alacrity-report)
  list(APPEND man_pages alacrity-report.1)
endif()
foreach(page IN LISTS man_pages)
  alacrity_gzip(${packaging_dir}/man/${page} ${generated_dir}/man/${page}.gz)
endforeach()
alacrity_gzip(${packaging_dir}/debian/changelog ${generated_dir}/doc/changelog.gz)

add_custom_target(alacrity-install-files ALL DEPENDS ${icon_png} ${compressed_files})

# --- Desktop integration ----------------------------------------------------------
# The AppStream metainfo is installed under its component id.
file(STRINGS ${packaging_dir}/alacrity.metainfo.xml appstream_id_line REGEX "<id>")
string(REGEX REPLACE ".*<id>([^<]+)</id>.*" "\\1" ALACRITY_APPSTREAM_ID "${appstream_id_line}")

install(FILES ${packaging_dir}/alacrity.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/alacrity.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  RENAME ${ALACRITY_APPSTREAM_ID}.metainfo.xml)
install(FILES ${packaging_dir}/icons/alacrity.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${icon_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)

# --- The response box -------------------------------------------------------------
install(FILES ${PROJECT_SOURCE_DIR}/packaging/udev/70-alacrity-ftdi.rules
  ${PROJECT_SOURCE_DIR}/packaging/udev/70-alacrity-serial-box.rules
  DESTINATION ${ALACRITY_UDEV_RULES_DIR})
# The firmware of the box a lab builds, ready for avrdude and for
# alacrity-avrbox.
install(FILES ${ALACRITY_FIRMWARE_HEX} DESTINATION ${CMAKE_INSTALL_DATADIR}/alacrity/firmware)

# --- Manual pages and documentation -------------------------------------------------
foreach(page IN LISTS man_pages)
  install(FILES ${generated_dir}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${packaging_dir}/debian/copyright ${generated_dir}/doc/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The documentation keeps the layout of the source tree, so the relative
# links between README.md, HACKING.md and docs/ hold in the installed copy.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/HACKING.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/install.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual ${PROJECT_SOURCE_DIR}/docs/formats
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
  FILES_MATCHING PATTERN "*.md" PATTERN "*.png" PATTERN "*.svg")
# The notices of the header-only libraries compiled into the programs; the
# copyright file above lists them too.
install(FILES ${packaging_dir}/licenses/CLI11.txt ${packaging_dir}/licenses/nlohmann-json.txt
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/licenses)

include(Packaging)
