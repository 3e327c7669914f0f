# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# Warnings and sanitizers shared by every target of the project.

if(OLVAR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# A fuzzing build instruments everything for libFuzzer's coverage.
if(OLVAR_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "OLVAR_FUZZ needs clang (configure with CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(olvar_set_compile_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(OLVAR_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII
        QT_NO_KEYWORDS
        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
        QT_USE_QSTRINGBUILDER)
endfunction()
