# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file includes a header of a layer above its own. The layers, lowest
# first: core and the translations; opponent, results, settings; game; the shell with
# the pictures of assets; app and perf on top. The lab stands beside the game on the
# layers below it.
# The tests of assets check the sound files through the shell's own reader. Only
# root-relative includes name a layer ("game/match.h"); other folders in an include
# are a layer's own subfolders.
#
#     cmake -DSOURCE_DIR=<source root> -P checklayers.cmake
cmake_minimum_required(VERSION 3.25)

set(below_core "")
set(below_translations "")
set(below_opponent core)
set(below_results core)
set(below_settings core)
set(below_assets core)
set(below_assets_tests core shell)
set(below_game core opponent results settings)
set(below_lab core opponent results settings translations)
set(below_shell core opponent results settings game assets translations)
set(below_app ${below_shell} shell)
set(below_perf ${below_shell} shell)
set(layers core translations opponent results settings assets game lab shell app perf)

set(violations 0)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(file IN LISTS files)
        set(below ${below_${layer}})
        if(DEFINED below_${layer}_tests AND file MATCHES "^${SOURCE_DIR}/${layer}/tests/")
            set(below ${below_${layer}_tests})
        endif()
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(include IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" folder "${include}")
            if(folder IN_LIST layers AND NOT folder STREQUAL layer
               AND NOT folder IN_LIST below)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
                string(REPLACE ";" ", " allowed "${below}")
                message("${shown}: ${include} (it may use: ${allowed})")
                math(EXPR violations "${violations} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations GREATER 0)
    message(FATAL_ERROR "${violations} include(s) reach a layer above their own")
endif()
message("No file includes a header of a layer above its own.")
