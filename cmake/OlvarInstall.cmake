# Installs the library, its public headers and a CMake package so that hosts can
# write find_package(Olvar) and link Olvar::Olvar.

include(CMakePackageConfigHelpers)

get_target_property(_olvar_public_headers Olvar OLVAR_PUBLIC_HEADERS)
install(TARGETS Olvar EXPORT OlvarTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/Olvar)
if(_olvar_public_headers)
    install(FILES ${_olvar_public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/Olvar)
endif()

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
