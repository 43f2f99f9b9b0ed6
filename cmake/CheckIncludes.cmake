cmake_minimum_required(VERSION 3.25)
# Refuses an include that runs against the layers of the program. Run as a script:
#   cmake -DLIBRARY=<name> -DFILES=<a;b;...> -DALLOWED=<p;q;...> [-DQT_REFUSED=<d;...>]
#         -P CheckIncludes.cmake
# An include "dir/file.h" of the program is allowed when "dir/" or "dir/file.h" is in ALLOWED;
# an include without a folder ("file.h") names the file beside the one including it.
# QT_REFUSED lists the folders of Qt modules the library may not use (the core and the models
# use Qt Core only): an include <...> of one of them is refused whether it names the module
# (<QtWidgets/QWidget>) or not (<QWidget>). Other system and Qt includes pass.
set(refused "")
foreach(file IN LISTS FILES)
  get_filename_component(dir "${file}" DIRECTORY)
  get_filename_component(own "${dir}" NAME)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      if(NOT header MATCHES "/")
        set(header "${own}/${header}")
      endif()
      string(REGEX REPLACE "/.*$" "/" folder "${header}")
      if(NOT folder IN_LIST ALLOWED AND NOT header IN_LIST ALLOWED)
        string(APPEND refused "\n  ${file}: ${line}")
      endif()
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      foreach(module_dir IN LISTS QT_REFUSED)
        get_filename_component(module "${module_dir}" NAME)
        if(header MATCHES "^${module}(/|$)" OR EXISTS "${module_dir}/${header}")
          string(APPEND refused "\n  ${file}: ${line}")
          break()
        endif()
      endforeach()
    endif()
  endforeach()
endforeach()
if(refused)
  message(FATAL_ERROR "${LIBRARY} includes against the layers (core <- platform <- shell <- "
                      "calculators <- app; the core and the models use Qt Core only):${refused}")
endif()
