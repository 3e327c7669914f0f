# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# Installs the freshly built Olvar into a private prefix, builds the host in
# host/ against it with find_package(Olvar), and runs it.
#   -DOLVAR_BINARY_DIR=... -DWORK_DIR=... -DHOST_SOURCE_DIR=... -DCXX_FLAGS=...
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${OLVAR_BINARY_DIR} --prefix ${WORK_DIR}/prefix
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
    message(FATAL_ERROR "installing Olvar failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${HOST_SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja
                        -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
                RESULT_VARIABLE rc)
if(rc)
    message(FATAL_ERROR "configuring the host failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE rc)
if(rc)
    message(FATAL_ERROR "building the host failed: ${rc}")
endif()
execute_process(COMMAND ${WORK_DIR}/build/olvarhost RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(rc OR NOT out MATCHES "OlvarControls.PeriodicTimer")
    message(FATAL_ERROR "the host did not create its control: ${rc} ${out}")
endif()
if(NOT out MATCHES "message boxes: 1\n")
    message(FATAL_ERROR "the scripted message boxes did not record the day view's box: ${out}")
endif()
if(NOT out MATCHES "sounds: Alarm.wav\n")
    message(FATAL_ERROR "the recording sound service did not record the alarm: ${out}")
endif()

# The README's day view on a sample practice made by the installed
# sessara-makedb: it must still be running when it is stopped.
if(EXISTS ${WORK_DIR}/prefix/bin/sessara-makedb)
    execute_process(COMMAND ${WORK_DIR}/prefix/bin/sessara-makedb ${WORK_DIR}/practice.db RESULT_VARIABLE rc)
    if(rc)
        message(FATAL_ERROR "sessara-makedb failed: ${rc}")
    endif()
    execute_process(COMMAND ${WORK_DIR}/build/dayview ${WORK_DIR}/practice.db TIMEOUT 3 RESULT_VARIABLE rc)
    if(NOT rc MATCHES "timeout")
        message(FATAL_ERROR "the day view host ended early: ${rc}")
    endif()
endif()
