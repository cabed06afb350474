# Checks from its headers that a program is a PE32+ executable for x86-64 and
# the Windows console subsystem, and that it needs no MinGW runtime DLL unless
# it was built against shared libraries.
#
#   -DOBJDUMP=<x86_64-w64-mingw32-objdump>  -DPROGRAM=<path to the .exe>
#   -DSHARED_RUNTIME=ON                     MinGW runtime DLLs are expected

cmake_minimum_required(VERSION 3.20)

execute_process(
  COMMAND ${OBJDUMP} -p ${PROGRAM}
  OUTPUT_VARIABLE headers
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed: ${status}")
endif()

set(failed FALSE)
foreach(pattern "file format pei-x86-64" "Magic[ \t]+020b[ \t]+\\(PE32\\+\\)"
                "Subsystem[ \t]+00000003[ \t]+\\(Windows CUI\\)")
  if(NOT headers MATCHES "${pattern}")
    message(SEND_ERROR "no match for /${pattern}/ in the headers of ${PROGRAM}")
    set(failed TRUE)
  endif()
endforeach()
foreach(dll libstdc\\+\\+-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  if(NOT SHARED_RUNTIME AND headers MATCHES "DLL Name: ${dll}")
    message(SEND_ERROR "${PROGRAM} needs ${dll}; it should be linked statically")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  message(STATUS "${PROGRAM}: PE32+ x86-64 console program")
endif()
