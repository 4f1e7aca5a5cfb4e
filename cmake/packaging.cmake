# The Debian packages, made by `cpack` in the build folder: "ondavel" (the command, its man
# page, its bash completion and the README's sections on using it) and "ondavel-workbench"
# (the desktop program, its man page, menu entry and icon), which depends on the first and on
# the Qt 6 runtime, so that a server install pulls no Qt. dpkg-shlibdeps (dpkg-dev) computes
# the libraries each needs.
include(GNUInstallDirs)

# The target "packaged" builds everything the packages hold.
add_custom_target(packaged)
add_dependencies(packaged ondavel)

# ondavel_man_page(TARGET COMPONENT SUMMARY [INCLUDE]): the man page of a program, made from its
# --help and --version by help2man, with the sections of the help2man include file INCLUDE.
# Not in a sanitizer build: no package is made from one.
find_program(HELP2MAN help2man)
function(ondavel_man_page target component summary)
  if(NOT HELP2MAN OR ONDAVEL_SANITIZE)
    return()
  endif()
  set(page ${CMAKE_BINARY_DIR}/man/${target}.1)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
  set(include "")
  if(ARGC GREATER 3)
    set(include --include=${PROJECT_SOURCE_DIR}/${ARGV3})
  endif()
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${HELP2MAN} --no-info --name=${summary} ${include} --output=${page}
            $<TARGET_FILE:${target}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${target} ${ARGN}
    COMMENT "Writing the man page of ${target}")
  add_custom_target(${target}_man ALL DEPENDS ${page}.gz)
  add_dependencies(packaged ${target}_man)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()
if(NOT HELP2MAN)
  message(STATUS "help2man not found: the packages hold no man page")
endif()

ondavel_man_page(ondavel ondavel "translate the C headers of a Windows kit into MASM include files"
                 doc/ondavel.h2m)

# The README from "Using it" to "Examples": the commands, the workspace, and how a program
# uses the includes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS README.md)
file(READ README.md readme)
string(FIND "${readme}" "## Using it" first)
string(FIND "${readme}" "## Examples" end)
math(EXPR length "${end} - ${first}")
string(SUBSTRING "${readme}" ${first} ${length} usage)
file(WRITE ${CMAKE_BINARY_DIR}/doc/README.md "# Ondavel\n\n${usage}")
install(FILES ${CMAKE_BINARY_DIR}/doc/README.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT ondavel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondavel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ondavel developers <ondavel@localhost>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_COMPONENTS_ALL ondavel)

set(CPACK_DEBIAN_ONDAVEL_PACKAGE_NAME ondavel)
set(CPACK_COMPONENT_ONDAVEL_DESCRIPTION "translator of Windows C headers into MASM include files
Translates the C headers of large Windows kits (Windows SDK, DirectX SDK, Windows Driver Kit,
a DarkGDK profile) into include files for MASM-compatible assemblers; makes workspaces from
the MinGW-w64 headers, grows the knowledge of each kit, and checks and proves the includes
it writes.")
# init makes its header lists from the MinGW-w64 headers; prove asks their C compiler.
set(CPACK_DEBIAN_ONDAVEL_PACKAGE_RECOMMENDS mingw-w64-i686-dev)
set(CPACK_DEBIAN_ONDAVEL_PACKAGE_SUGGESTS "gcc-mingw-w64-i686-win32, binutils-mingw-w64-i686")

if(TARGET ondavel-workbench)
  add_dependencies(packaged ondavel-workbench)
  ondavel_man_page(ondavel-workbench workbench
                   "desktop workbench that translates Windows C headers into MASM include files")
  list(APPEND CPACK_COMPONENTS_ALL workbench)
  set(CPACK_DEBIAN_WORKBENCH_PACKAGE_NAME ondavel-workbench)
  set(CPACK_COMPONENT_WORKBENCH_DESCRIPTION "desktop workbench of the ondavel header translator
A Qt 6 window over the translation of ondavel: choose a kit, translate one header or the
whole kit into an output view, find and replace, learn unknown types, and find the
conditions under which a name is declared.")
  # The platform plug-ins are not a library the program links: Qt loads them at start.
  set(CPACK_DEBIAN_WORKBENCH_PACKAGE_DEPENDS "ondavel (= ${PROJECT_VERSION}), qt6-qpa-plugins")
endif()

include(CPack)
