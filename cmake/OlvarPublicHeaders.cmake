# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# The public include folder, in the build tree and as installed:
#
#   include/OlvarControls.h        every public header, for existing hosts
#   include/Olvar/<header>.h       the public headers (olvar_module HEADERS)
#   include/Olvar/<ClassName>      one per class marked OLVAR_EXPORT in them
#   include/Olvar/olvar_export.h   the generated export macro
#
# so that a host writes #include <Olvar/Hourlet> or <Olvar/hourlet.h>. In the
# build tree the headers forward to the sources.

get_target_property(_olvar_public_headers OlvarObjects OLVAR_PUBLIC_HEADERS)
set(_olvar_include_dir ${OLVAR_PUBLIC_INCLUDE_DIR}/Olvar)
set(OLVAR_CLASS_HEADERS "")
foreach(_header IN LISTS _olvar_public_headers)
    get_filename_component(_name ${_header} NAME)
    file(CONFIGURE OUTPUT ${_olvar_include_dir}/${_name}
         CONTENT "#include \"${_header}\"\n" @ONLY)
    file(STRINGS ${_header} _declarations REGEX "^(class|struct) OLVAR_EXPORT [A-Za-z_][A-Za-z0-9_]*")
    foreach(_declaration IN LISTS _declarations)
        string(REGEX REPLACE "^(class|struct) OLVAR_EXPORT ([A-Za-z_][A-Za-z0-9_]*).*" "\\2" _class "${_declaration}")
        file(CONFIGURE OUTPUT ${_olvar_include_dir}/${_class} CONTENT "#include \"${_name}\"\n" @ONLY)
        list(APPEND OLVAR_CLASS_HEADERS ${_olvar_include_dir}/${_class})
    endforeach()
endforeach()
list(REMOVE_DUPLICATES OLVAR_CLASS_HEADERS)
set(OLVAR_PUBLIC_HEADER_FILES ${_olvar_public_headers})
file(CONFIGURE OUTPUT ${OLVAR_PUBLIC_INCLUDE_DIR}/OlvarControls.h
     CONTENT "#include \"${PROJECT_SOURCE_DIR}/controls/OlvarControls.h\"\n" @ONLY)
