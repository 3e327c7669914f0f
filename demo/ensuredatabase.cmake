# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# Writes the sample practice database DATABASE with the tool MAKEDB unless the
# file is already there.
if(EXISTS "${DATABASE}")
    return()
endif()
execute_process(COMMAND "${MAKEDB}" "${DATABASE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not write the sample database ${DATABASE}")
endif()
message(STATUS "Wrote the sample practice database ${DATABASE}")
