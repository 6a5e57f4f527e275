# Runs at install time: the desktop entry names the program where it is being installed,
# whatever prefix `cmake --install --prefix` was given.
set(program "${CMAKE_INSTALL_PREFIX}/${QUADRELL_BINDIR}/quadrell2000")
# Desktop-entry quoting: a path with reserved characters goes in double quotes, with
# backslash, quote, backtick and dollar escaped, then every backslash doubled again for
# the string value; a percent sign is doubled.
if(program MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\" program "${program}")
    string(REPLACE "\"" "\\\"" program "${program}")
    string(REPLACE "`" "\\`" program "${program}")
    string(REPLACE "$" "\\$" program "${program}")
    set(program "\"${program}\"")
    string(REPLACE "\\" "\\\\" program "${program}")
endif()
string(REPLACE "%" "%%" program "${program}")
file(READ "${QUADRELL_TEMPLATE}" entry)
string(REPLACE "@EXEC@" "${program}" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${QUADRELL_DATADIR}/applications/quadrell2000.desktop")
message(STATUS "Installing: ${target}")
file(WRITE "${target}" "${entry}")
