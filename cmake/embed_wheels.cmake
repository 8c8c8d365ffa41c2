# SPDX-License-Identifier: GPL-3.0-or-later
# Turns src/core/wheels/tables/NNN.txt, and the smallest tables in its smallest/ folder,
# into a C++ source: one string of 7-letter boards per system.
function(append_tables folder function)
    file(GLOB tables ${folder}/*.txt)
    list(SORT tables)
    string(APPEND body "const std::vector<WheelTableData> &${function}()\n{\n    static const std::vector<WheelTableData> tables = {\n")
    foreach(t ${tables})
        get_filename_component(name ${t} NAME_WE)
        math(EXPR index "${name}")
        file(READ ${t} content)
        string(REGEX REPLACE "[\r\n]+" "" content "${content}")
        # Position 28 is written as a backslash, which a C++ literal must escape.
        string(REPLACE "\\" "\\\\" content "${content}")
        string(APPEND body "        {${index}, \"${content}\"},\n")
    endforeach()
    string(APPEND body "    };\n    return tables;\n}\n\n")
    set(body "${body}" PARENT_SCOPE)
endfunction()

set(body "// Generated from src/core/wheels/tables/*.txt and tables/smallest/*.txt; do not edit.\n#include \"core/wheels/wheeltables.h\"\n\nnamespace quillon {\n\n")
append_tables(${DIR} wheelTableData)
append_tables(${DIR}/smallest smallestWheelTableData)
string(APPEND body "} // namespace quillon\n")
file(WRITE ${OUT}.tmp "${body}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
