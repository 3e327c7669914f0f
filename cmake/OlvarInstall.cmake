# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# Installs the library, its public headers and a CMake package so that hosts can
# write find_package(Olvar) and link Olvar::Olvar.

include(CMakePackageConfigHelpers)

install(TARGETS Olvar EXPORT OlvarTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The public headers only (cmake/OlvarPublicHeaders.cmake), under include/Olvar.
install(FILES
    ${OLVAR_PUBLIC_HEADER_FILES}
    ${OLVAR_CLASS_HEADERS}
    ${OLVAR_PUBLIC_INCLUDE_DIR}/Olvar/olvar_export.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/Olvar)
install(FILES ${PROJECT_SOURCE_DIR}/controls/OlvarControls.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

install(EXPORT OlvarTargets
    NAMESPACE Olvar::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Olvar)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/OlvarConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/OlvarConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Olvar)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/OlvarConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/OlvarConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/OlvarConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Olvar)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
