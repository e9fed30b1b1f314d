# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file includes a header of a library above its own. The libraries, lowest
# first: core; opponent, results, settings; the translations (which word the settings
# files' troubles); game; in the shell the layout table and the sound system plugin, then
# the pictures (with the pictures of assets), then the dialogs, then the main window's
# library; the session, which starts the program and ends it; app and perf on top. The lab
# stands beside the game on the libraries below it. The tests, tools and benchmarks of the
# shell's libraries are programs of their own and may use the whole shell with the session
# that runs it; the tests of assets check the sound files through the shell's
# own reader. An include names a library by its path from the source root
# ("game/match.h") or from the including file's folder ("art/artwork.h" in shell/).
#
#     cmake -DSOURCE_DIR=<source root> -P checklayers.cmake
cmake_minimum_required(VERSION 3.25)

set(below_core "")
set(below_translations core settings)
set(below_opponent core)
set(below_results core)
set(below_settings core)
set(below_assets core)
set(below_assets_tests core shell shell/sound)
set(below_game core opponent results settings)
set(below_lab core opponent results settings translations)
set(below_shell/layout core)
set(below_shell/sound "")
set(below_shell/art core assets shell/layout)
set(below_shell/dialogs ${below_shell/art} shell/art translations)
set(below_shell core opponent results settings game assets translations shell/layout
    shell/sound shell/art shell/dialogs)
set(below_session ${below_shell} shell)
set(below_app ${below_session} session)
set(below_perf ${below_session} session)
# Longest paths first, so that a file of shell/art belongs to shell/art, not to shell.
set(layers shell/layout shell/sound shell/art shell/dialogs
    core translations opponent results settings assets game lab shell session app perf)
set(roots core translations opponent results settings assets game lab shell session app perf
    tests)

# The library a path from the source root lies in, or empty.
function(library_of path out)
    foreach(layer IN LISTS layers)
        if(path MATCHES "^${layer}/")
            set(${out} ${layer} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

set(violations 0)
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(file IN LISTS files)
    library_of("${file}" layer)
    if(NOT layer)
        continue()
    endif()
    set(below ${below_${layer}})
    if(DEFINED below_${layer}_tests AND file MATCHES "^${layer}/tests/")
        set(below ${below_${layer}_tests})
    elseif(layer MATCHES "^shell(/|$)" AND file MATCHES "^${layer}/(tests|tools|bench)/")
        list(APPEND below ${below_session} session)
    endif()
    get_filename_component(folder "${file}" DIRECTORY)
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(include IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" named "${include}")
        string(REGEX REPLACE "/.*$" "" first "${named}")
        if(first IN_LIST roots)
            set(path "${named}")
        else()
            set(path "${folder}/${named}")
        endif()
        library_of("${path}" used)
        if(used AND NOT used STREQUAL layer AND NOT used IN_LIST below)
            string(REPLACE ";" ", " allowed "${below}")
            message("${file}: ${include} (${layer} may use: ${allowed})")
            math(EXPR violations "${violations} + 1")
        endif()
    endforeach()
endforeach()

if(violations GREATER 0)
    message(FATAL_ERROR "${violations} include(s) reach a library above their own")
endif()
message("No file includes a header of a library above its own.")
