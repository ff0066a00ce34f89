# Fails when the program is larger than 1.5 MB or imports a DLL that Windows does not ship.
cmake_policy(SET CMP0057 NEW)
# Run with -DOBJDUMP=<objdump> -DPROGRAM=<exe>.
set(max_bytes 1572864)
set(system_dlls advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll
                oleaut32.dll shell32.dll user32.dll)

file(SIZE "${PROGRAM}" bytes)
message(STATUS "${PROGRAM}: ${bytes} bytes")
if(bytes GREATER max_bytes)
  message(FATAL_ERROR "The program has ${bytes} bytes, more than ${max_bytes}")
endif()

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "No imports found in ${PROGRAM}")
endif()
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "The program imports ${dll}, which Windows does not ship")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
