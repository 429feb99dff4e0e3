# Run after linking a tool that ships beside Lumo.exe: fails the build when the tool imports
# any DLL but the system's own (neither driver library, no MinGW runtime).
# Arguments: -DOBJDUMP=<objdump> -DBINARY=<exe>
execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot read the import table of ${BINARY}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
foreach(entry ${names})
  string(REPLACE "DLL Name: " "" dll "${entry}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll MATCHES "^(kernel32|user32|gdi32|shell32|advapi32|comctl32|msvcrt|ole32)\\.dll$")
    message(FATAL_ERROR "${BINARY} imports ${dll}; it may import only the system's DLLs")
  endif()
endforeach()
