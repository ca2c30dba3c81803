# SPDX-License-Identifier: MIT
# Fails when the committed translation template is behind the code: a text
# marked for translation that the template lacks, or one it still holds that
# the code no longer has.
#
#   cmake -DLUPDATE=<lupdate> "-DARGS=<its arguments>" -DSOURCE_DIR=<tree>
#         -DWORK_DIR=<scratch folder> -P TranslationsCurrent.cmake
cmake_minimum_required(VERSION 3.25)

set(template ${SOURCE_DIR}/translations/quillforge.ts)
if(NOT EXISTS ${template})
  message(FATAL_ERROR "translations/quillforge.ts is missing: run cmake --build <build> --target lupdate")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${template} DESTINATION ${WORK_DIR})
execute_process(COMMAND ${LUPDATE} ${ARGS} -ts ${WORK_DIR}/quillforge.ts
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${out}")
endif()
file(READ ${template} committed)
file(READ ${WORK_DIR}/quillforge.ts updated)
if(NOT committed STREQUAL updated)
  string(REGEX MATCHALL "<source>[^<]*</source>" before "${committed}")
  string(REGEX MATCHALL "<source>[^<]*</source>" after "${updated}")
  list(REMOVE_ITEM after ${before})
  list(JOIN after "\n  " added)
  message(FATAL_ERROR "translations/quillforge.ts is not up to date; run cmake --build <build> --target lupdate "
                      "and commit the file. New texts:\n  ${added}")
endif()
