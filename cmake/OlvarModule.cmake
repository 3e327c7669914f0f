# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# olvar_module(HEADERS <public headers> PRIVATE_HEADERS <headers> SOURCES <sources>)
#
# Adds one folder's files to the Olvar library. Public headers are installed
# under include/Olvar (cmake/OlvarPublicHeaders.cmake); the folder itself is on
# the build-tree include path of OlvarInternal, so that the demo and the tests
# reach the private headers too. A public header includes public headers only.
function(olvar_module)
    cmake_parse_arguments(M "" "" "HEADERS;PRIVATE_HEADERS;SOURCES" ${ARGN})
    target_sources(OlvarObjects PRIVATE ${M_HEADERS} ${M_PRIVATE_HEADERS} ${M_SOURCES})
    target_include_directories(OlvarObjects PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
    list(TRANSFORM M_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    set_property(TARGET OlvarObjects APPEND PROPERTY OLVAR_PUBLIC_HEADERS ${M_HEADERS})
endfunction()

# Where the build tree keeps the public include folder: Olvar/<ClassName> and
# Olvar/<header>.h forwarding to the sources, and the generated export header.
set(OLVAR_PUBLIC_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)

# olvar_generate_export_header(<target>)
#
# Writes Olvar/olvar_export.h with OLVAR_EXPORT, the mark of a public class or
# function: exported from the shared library, which hides everything else.
function(olvar_generate_export_header target)
    include(GenerateExportHeader)
    generate_export_header(${target}
        BASE_NAME Olvar
        EXPORT_MACRO_NAME OLVAR_EXPORT
        EXPORT_FILE_NAME ${OLVAR_PUBLIC_INCLUDE_DIR}/Olvar/olvar_export.h)
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${OLVAR_PUBLIC_INCLUDE_DIR}>
        $<BUILD_INTERFACE:${OLVAR_PUBLIC_INCLUDE_DIR}/Olvar>)
endfunction()
