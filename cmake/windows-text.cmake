# Text files of the bundle as Windows 7's Notepad shows them: lines ending in CR LF (with
# bare LFs it shows one long line) and, for a UTF-8 text, a byte-order mark (without one it
# reads the text in the ANSI code page). A GBK text such as Lumo.sdf gets no mark.
function(lumo_windows_text source target utf8)
  file(READ "${source}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  string(ASCII 239 187 191 mark)
  string(FIND "${text}" "${mark}" at)
  if(utf8 AND NOT at EQUAL 0)
    set(text "${mark}${text}")
  endif()
  file(WRITE "${target}" "${text}")
endfunction()
