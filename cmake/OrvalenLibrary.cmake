# The program's libraries and the layers they stand in:
#   core <- platform <- shell <- calculators <- app
# A library includes headers of its own and of the layers below it, nothing else; the build
# refuses any other include before it compiles (CheckIncludes.cmake). A calculator folder makes
# two libraries: its model (no widgets: core only) and its windows.

set(ORVALEN_CHECK_INCLUDES ${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake)

# Precompiled Qt headers: parsing Qt takes most of each file's compile time. The core
# precompiles the Qt Core headers and the model libraries reuse its; the platform precompiles
# the widget headers and the shell and the window libraries reuse them (same flags).
set(ORVALEN_CORE_PCH <QString> <QStringList> <QDate> <QByteArray> <QIODevice> <vector>
    <functional> <optional> <cstdint>)
set(ORVALEN_WIDGETS_PCH ${ORVALEN_CORE_PCH} <QWidget> <QDialog> <QLabel> <QLineEdit> <QComboBox>
    <QPushButton> <QRadioButton> <QLayout> <QKeyEvent> <QApplication>)

# Gives `target` precompiled headers: its own when `from` names itself, else `from`'s.
function(orvalen_pch target from)
  # The moc file of a target holds next to nothing: loading the headers would cost more.
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
                              TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  if(target STREQUAL "orvalen_core")
    target_precompile_headers(${target} PRIVATE ${ORVALEN_CORE_PCH})
  elseif(target STREQUAL "orvalen_platform")
    target_precompile_headers(${target} PRIVATE ${ORVALEN_WIDGETS_PCH})
  else()
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()

# Runs the include check of `target` over `files` before the target is built.
function(orvalen_check_includes target files allowed)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=${target} "-DFILES=${files}" "-DALLOWED=${allowed}"
            -P ${ORVALEN_CHECK_INCLUDES}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files} ${ORVALEN_CHECK_INCLUDES}
    COMMENT "Checking the includes of ${target}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()

# One static library of every .cpp and .h in the folder. LAYERS: the folders (with a trailing
# slash) whose headers it may include besides its own.
function(orvalen_library name)
  cmake_parse_arguments(ARG "" "PCH" "DEPS;LAYERS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  orvalen_check_includes(${name} "${sources}" "${folder}/;${ARG_LAYERS}")
  orvalen_pch(${name} "${ARG_PCH}")
endfunction()

# A calculator folder: WINDOWS names the window files (without extension); every other file is
# model and goes into <name>_model, which links the core only and may include only the core
# and its own model headers. The window library <name> links the model and the shell.
function(orvalen_calculator name)
  cmake_parse_arguments(ARG "" "" "WINDOWS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(window_sources "")
  set(model_sources "")
  foreach(source IN LISTS sources)
    get_filename_component(stem ${source} NAME_WE)
    if(stem IN_LIST ARG_WINDOWS)
      list(APPEND window_sources ${source})
    else()
      list(APPEND model_sources ${source})
    endif()
  endforeach()
  set(model_headers "core/")
  foreach(source IN LISTS model_sources)
    if(source MATCHES "\\.h$")
      get_filename_component(file ${source} NAME)
      list(APPEND model_headers "${folder}/${file}")
    endif()
  endforeach()

  add_library(${name}_model STATIC ${model_sources})
  target_include_directories(${name}_model PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name}_model PUBLIC orvalen_core)
  orvalen_check_includes(${name}_model "${model_sources}" "${model_headers}")
  orvalen_pch(${name}_model orvalen_core)

  if(NOT window_sources)
    return()
  endif()
  add_library(${name} STATIC ${window_sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${name}_model orvalen_shell)
  orvalen_check_includes(${name} "${window_sources}" "core/;platform/;shell/;${folder}/")
  orvalen_pch(${name} orvalen_platform)
endfunction()
