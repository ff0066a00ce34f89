# Fails when the program is larger than 1.5 MB, imports a DLL that Windows does not ship, lacks
# the hardening of a release build (ASLR with high-entropy addresses, DEP, the stack protector), or
# its version resource (with the project's version) or its manifest.
cmake_policy(SET CMP0057 NEW)
# Run with -DOBJDUMP=<objdump> -DPROGRAM=<exe> -DVERSION=<version text>.
set(max_bytes 1572864)
set(system_dlls advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ntdll.dll ole32.dll
                oleacc.dll oleaut32.dll shell32.dll user32.dll)

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

foreach(flag DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT)
  if(NOT dump MATCHES "\n[ \t]+${flag}")
    message(FATAL_ERROR "${PROGRAM} lacks ${flag} in its DllCharacteristics")
  endif()
endforeach()
# The stack protector's handler, linked in from libssp, is there whether or not symbols are.
file(STRINGS "${PROGRAM}" smashing REGEX "stack smashing detected" LIMIT_COUNT 1)
if(NOT smashing)
  message(FATAL_ERROR "${PROGRAM} has no stack protector")
endif()

# Explorer's Properties and the installers read the version resource; Windows reads the manifest.
file(STRINGS "${PROGRAM}" version_info ENCODING UTF-16LE REGEX "VS_VERSION_INFO" LIMIT_COUNT 1)
file(STRINGS "${PROGRAM}" product_version ENCODING UTF-16LE REGEX "^${VERSION}$" LIMIT_COUNT 1)
if(NOT version_info OR NOT product_version)
  message(FATAL_ERROR "${PROGRAM} has no version resource of version ${VERSION}")
endif()
file(STRINGS "${PROGRAM}" manifest REGEX "requestedExecutionLevel level=\"asInvoker\"" LIMIT_COUNT 1)
if(NOT manifest)
  message(FATAL_ERROR "${PROGRAM} has no manifest")
endif()
