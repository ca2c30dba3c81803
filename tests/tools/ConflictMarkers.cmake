# SPDX-License-Identifier: MIT
# Fails when a text file holds a line a merge left behind: a conflict's
# opening, middle or closing marker.
#
#   cmake -DSOURCE_DIR=<tree> -P ConflictMarkers.cmake   the files git tracks there
#   cmake -DPLANTED=<folder> -P ConflictMarkers.cmake    writes a conflicted file
#                                                        into <folder> and checks it
cmake_minimum_required(VERSION 3.25)

find_package(Git QUIET)
if(NOT GIT_FOUND)
  message(FATAL_ERROR "git is needed to list the tracked files")
endif()
# The markers are put together here, so that this file holds none of them.
string(REPEAT "<" 7 opening)
string(REPEAT "=" 7 middle)
string(REPEAT ">" 7 closing)
set(pattern "^(${opening}|${closing})( |$)|^${middle}$")

if(PLANTED)
  file(MAKE_DIRECTORY ${PLANTED})
  file(WRITE ${PLANTED}/notes.md "kept\n${opening} HEAD\nmine\n${middle}\ntheirs\n${closing} branch\n")
  execute_process(COMMAND ${GIT_EXECUTABLE} grep --no-index -n -I -E "${pattern}" -- notes.md
    WORKING_DIRECTORY ${PLANTED} RESULT_VARIABLE status OUTPUT_VARIABLE found ERROR_VARIABLE problem)
else()
  if(NOT SOURCE_DIR)
    message(FATAL_ERROR "Give the tree to check: -DSOURCE_DIR=<folder>")
  endif()
  if(NOT EXISTS ${SOURCE_DIR}/.git)
    message(STATUS "Not a git checkout; nothing to check")
    return()
  endif()
  execute_process(COMMAND ${GIT_EXECUTABLE} grep -n -I -E "${pattern}"
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE found ERROR_VARIABLE problem)
endif()
# git grep: 0 when lines were found, 1 when none, more on an error.
if(status EQUAL 0)
  message(FATAL_ERROR "Merge conflict markers left in:\n${found}")
elseif(NOT status EQUAL 1)
  message(FATAL_ERROR "git grep failed: ${problem}")
endif()
