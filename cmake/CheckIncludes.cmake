cmake_minimum_required(VERSION 3.25)
# Refuses an include that runs against the layers of the program. Run as a script:
#   cmake -DLIBRARY=<name> -DFILES=<a;b;...> -DALLOWED=<p;q;...> -P CheckIncludes.cmake
# An include "dir/file.h" of the program is allowed when "dir/" or "dir/file.h" is in ALLOWED.
# System and Qt includes (<...>) are not the program's and always pass.
set(refused "")
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
    if(NOT header MATCHES "/")
      continue()
    endif()
    string(REGEX REPLACE "/.*$" "/" folder "${header}")
    if(NOT folder IN_LIST ALLOWED AND NOT header IN_LIST ALLOWED)
      string(APPEND refused "\n  ${file}: #include \"${header}\"")
    endif()
  endforeach()
endforeach()
if(refused)
  message(FATAL_ERROR "${LIBRARY} includes against the layers "
                      "(core <- platform <- shell <- calculators <- app):${refused}")
endif()
