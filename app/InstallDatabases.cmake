# Runs at install time, after every file is in place: an install into a prefix brings the
# desktop's lists of file types and of programs up to date, so that a double-click on a game
# file opens the game. A package build's staging folder (DESTDIR) is left alone: the
# package's own triggers do this on the player's machine.
if(NOT "$ENV{DESTDIR}" STREQUAL "" OR CMAKE_INSTALL_PREFIX MATCHES "/_CPack_Packages/")
    return()
endif()
set(share "${CMAKE_INSTALL_PREFIX}/${QUADRELL_DATADIR}")
set(missing "")
foreach(step "update-mime-database;${share}/mime" "update-desktop-database;${share}/applications"
        "gtk-update-icon-cache;-q;-t;-f;${share}/icons/hicolor")
    list(GET step 0 tool)
    list(SUBLIST step 1 -1 arguments)
    find_program(tool_path ${tool} NO_CACHE)
    if(tool_path)
        execute_process(COMMAND ${tool_path} ${arguments} RESULT_VARIABLE failed)
        if(failed)
            message(WARNING "${tool} did not finish; game files may open with another program")
        endif()
    elseif(NOT tool STREQUAL "gtk-update-icon-cache") # the icons show without their cache
        string(JOIN " " line ${tool} ${arguments})
        list(APPEND missing "  ${line}")
    endif()
    unset(tool_path)
endforeach()
if(missing)
    string(JOIN "\n" lines ${missing})
    message(STATUS "To open game files with Quadrell 2000 from the desktop, run:\n${lines}")
endif()
