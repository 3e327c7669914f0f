# olvar_module(HEADERS <public headers> PRIVATE_HEADERS <headers> SOURCES <sources>)
#
# Adds one folder's files to the Olvar library. Public headers are installed
# beside OlvarControls.h; the folder itself is on the build-tree include path so
# that tests can reach the private headers too.
function(olvar_module)
    cmake_parse_arguments(M "" "" "HEADERS;PRIVATE_HEADERS;SOURCES" ${ARGN})
    target_sources(Olvar PRIVATE ${M_HEADERS} ${M_PRIVATE_HEADERS} ${M_SOURCES})
    target_include_directories(Olvar PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
    list(TRANSFORM M_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    set_property(TARGET Olvar APPEND PROPERTY OLVAR_PUBLIC_HEADERS ${M_HEADERS})
endfunction()
