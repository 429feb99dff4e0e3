# The export list of the announcer's driver library, written for the target's flavour.
# i686 stdcall symbols carry "@<argument bytes>"; the .def lists them that way and both the
# import library (dlltool -k) and the stand-in (--kill-at) drop the suffix, so that the
# names in the DLL are plain in both flavours, as the vendor's are.
set(LUMO_CTS4R_EXPORTS "Cls=4" "PrintText=12" "SoundOut=4" "DrawImage=16")

function(lumo_cts4r_def out_path)
  set(content "LIBRARY cts4r.dll\nEXPORTS\n")
  foreach(entry ${LUMO_CTS4R_EXPORTS})
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 bytes)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(APPEND content "  ${name}@${bytes}\n")
    else()
      string(APPEND content "  ${name}\n")
    endif()
  endforeach()
  # Rewritten only when it changes, so that a fresh configure does not relink everything.
  file(WRITE ${out_path}.new "${content}")
  configure_file(${out_path}.new ${out_path} COPYONLY)
endfunction()
