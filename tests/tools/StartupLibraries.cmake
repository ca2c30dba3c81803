# SPDX-License-Identifier: MIT
# Fails when the windows' library, which the editor loads on its way up,
# needs the web engine or the network library: both belong to the web
# module, loaded with the first browser window, so start-up never pays for
# them.
#
#   cmake -DLIBRARY=<libquillforge_ui.so> -P StartupLibraries.cmake
cmake_minimum_required(VERSION 3.25)

find_program(OBJDUMP objdump REQUIRED)
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump could not read ${LIBRARY}: ${out}")
endif()
string(REGEX MATCHALL "NEEDED +[^\n]+" needed "${out}")
if(NOT needed)
  message(FATAL_ERROR "no libraries listed for ${LIBRARY}: ${out}")
endif()
string(REGEX MATCHALL "libQt6(WebEngine[A-Za-z]*|Network)[^ ;\n]*" heavy "${needed}")
if(heavy)
  list(JOIN heavy ", " names)
  message(FATAL_ERROR "the windows' library loads ${names} at start-up; that belongs to the web module")
endif()
