# Run after linking Lumo.exe: fails the build unless the program imports the four driver
# calls from cts4r.dll by their plain names, as a real installation's driver provides them.
# Arguments: -DOBJDUMP=<objdump> -DBINARY=<exe>
execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot read the import table of ${BINARY}")
endif()
string(FIND "${dump}" "DLL Name: cts4r.dll" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${BINARY} does not import cts4r.dll")
endif()
string(SUBSTRING "${dump}" ${start} -1 imports)
# The imports of cts4r.dll end where the next DLL's list (or the table) begins.
string(FIND "${imports}" "\n\n" end)
string(SUBSTRING "${imports}" 0 ${end} imports)
string(APPEND imports "\n")
foreach(name Cls PrintText SoundOut DrawImage)
  if(NOT imports MATCHES "[ \t]${name}\n")
    message(FATAL_ERROR "${BINARY} does not import ${name} from cts4r.dll:\n${imports}")
  endif()
endforeach()
