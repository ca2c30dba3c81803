# SPDX-License-Identifier: MIT
# Fails when the source folders include each other in a cycle, or when a
# folder includes one that the tree's CMakeLists.txt adds after it.
#
#   cmake -DSOURCE_DIR=<tree> -P FolderCycles.cmake
#
# A folder is a top-level folder of the tree holding C++ sources, in it or
# in its own folders (tests/, bench/ and build folders aside). An
# `#include "other/File.h"` in one of its files makes it depend on `other/`. Folders that depend on nothing left are
# taken away round by round, then those no remaining folder includes; what is
# left sits on a cycle, and each of its dependencies is reported with the file
# and the line that makes it.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "Give the tree to check: -DSOURCE_DIR=<folder>")
endif()
get_filename_component(SOURCE_DIR ${SOURCE_DIR} ABSOLUTE)

file(GLOB entries LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(folders "")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY ${SOURCE_DIR}/${entry} AND NOT entry MATCHES "^(tests|bench|build.*|\\..*)$")
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${entry}/*.h ${SOURCE_DIR}/${entry}/*.cpp ${SOURCE_DIR}/${entry}/*.h.in)
    if(sources)
      list(APPEND folders ${entry})
      set(files_${entry} ${sources})
    endif()
  endif()
endforeach()

if(NOT folders)
  message(FATAL_ERROR "No folder with C++ sources in ${SOURCE_DIR}")
endif()

# deps_<folder>: the folders it includes; why_<folder>_<other>: the first
# include line that makes it so.
foreach(folder IN LISTS folders)
  set(deps_${folder} "")
  foreach(source IN LISTS files_${folder})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*$" "\\1" other "${line}")
      if(NOT other STREQUAL folder AND other IN_LIST folders AND NOT other IN_LIST deps_${folder})
        list(APPEND deps_${folder} ${other})
        file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
        string(STRIP "${line}" line)
        set(why_${folder}_${other} "${name}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The bottom-up order: round by round, the folders whose includes all lie in
# earlier rounds.
set(left ${folders})
set(order "")
while(left)
  set(taken "")
  foreach(folder IN LISTS left)
    set(free TRUE)
    foreach(other IN LISTS deps_${folder})
      if(other IN_LIST left)
        set(free FALSE)
        break()
      endif()
    endforeach()
    if(free)
      list(APPEND taken ${folder})
    endif()
  endforeach()
  if(NOT taken)
    break()
  endif()
  list(REMOVE_ITEM left ${taken})
  list(APPEND order ${taken})
endwhile()

if(left)
  # Folders that only lean on a cycle, with nothing of it leaning back, are
  # not part of it: take away those no folder left includes, until none is.
  set(pruned TRUE)
  while(pruned)
    set(pruned FALSE)
    foreach(folder IN LISTS left)
      set(used FALSE)
      foreach(user IN LISTS left)
        if(folder IN_LIST deps_${user})
          set(used TRUE)
          break()
        endif()
      endforeach()
      if(NOT used)
        list(REMOVE_ITEM left ${folder})
        set(pruned TRUE)
      endif()
    endforeach()
  endwhile()
  set(report "")
  foreach(folder IN LISTS left)
    foreach(other IN LISTS deps_${folder})
      if(other IN_LIST left)
        string(APPEND report "  ${folder}/ includes ${other}/  (${why_${folder}_${other}})\n")
      endif()
    endforeach()
  endforeach()
  message(FATAL_ERROR "Folders that include each other in a cycle: ${left}\n${report}")
endif()

# The order the tree declares: the add_subdirectory lines of its
# CMakeLists.txt, from the bottom up. A folder may include only folders
# before it there.
if(EXISTS ${SOURCE_DIR}/CMakeLists.txt)
  file(STRINGS ${SOURCE_DIR}/CMakeLists.txt lines REGEX "^[ \t]*add_subdirectory[ \t]*\\(")
  set(declared "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*add_subdirectory[ \t]*\\([ \t]*([^ \t)]+).*$" "\\1" folder "${line}")
    list(APPEND declared ${folder})
  endforeach()
  set(report "")
  foreach(folder IN LISTS folders)
    list(FIND declared ${folder} rank)
    if(rank EQUAL -1)
      string(APPEND report "  ${folder}/ is not in the order\n")
      continue()
    endif()
    foreach(other IN LISTS deps_${folder})
      list(FIND declared ${other} otherRank)
      if(otherRank GREATER rank)
        string(APPEND report "  ${folder}/ includes ${other}/, which comes after it  (${why_${folder}_${other}})\n")
      endif()
    endforeach()
  endforeach()
  if(report)
    message(FATAL_ERROR "Includes against the order of ${SOURCE_DIR}/CMakeLists.txt:\n${report}")
  endif()
endif()

list(JOIN order " " order)
message(STATUS "No include cycle between folders, none against their declared order; from the bottom up: ${order}")
