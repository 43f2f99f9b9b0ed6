# The program's libraries and the layers they stand in:
#   core <- platform <- shell <- calculators <- app
# A library includes headers of its own and of the layers below it, nothing else; the build
# refuses any other include before it compiles (CheckIncludes.cmake). A calculator folder makes
# two libraries: its model (no widgets: core only) and its windows.

set(ORVALEN_CHECK_INCLUDES ${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake)
# The header folders of the Qt modules the core and the model libraries may not include: every
# module the program uses but Qt Core.
set(ORVALEN_QT_REFUSED "")
foreach(module Gui Widgets PrintSupport Charts)
  get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
  list(FILTER dirs INCLUDE REGEX "/Qt${module}$")
  list(APPEND ORVALEN_QT_REFUSED ${dirs})
endforeach()

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

# Runs the include check of `target` over `files` before the target is built: it may include
# the program's headers `allowed` and no header of the Qt module folders `qt_refused`.
function(orvalen_check_includes target files allowed qt_refused)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=${target} "-DFILES=${files}" "-DALLOWED=${allowed}"
            "-DQT_REFUSED=${qt_refused}" -P ${ORVALEN_CHECK_INCLUDES}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files} ${ORVALEN_CHECK_INCLUDES}
    COMMENT "Checking the includes of ${target}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()

# Stops the configure when a file of the current folder that matches `patterns` (default: its
# .cpp and .h files) is not among `files`. The files are listed rather than globbed: a list that
# changes reruns CMake, and with it Qt's moc scan of the headers, where a new file found by a
# glob would not be scanned.
function(orvalen_all_listed files)
  set(patterns ${ARGN})
  if(NOT patterns)
    set(patterns *.cpp *.h)
  endif()
  list(TRANSFORM patterns PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  file(GLOB present RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${patterns})
  list(REMOVE_ITEM present ${files})
  if(present)
    list(JOIN present " " unlisted)
    message(FATAL_ERROR "${CMAKE_CURRENT_LIST_FILE} does not list ${unlisted}")
  endif()
endfunction()

# One static library of FILES (every .cpp and .h of the folder). LAYERS: the folders (with a
# trailing slash) whose headers it may include besides its own; QT_CORE_ONLY: no Qt module but
# Qt Core.
function(orvalen_library name)
  cmake_parse_arguments(ARG "QT_CORE_ONLY" "PCH" "DEPS;LAYERS;FILES" ${ARGN})
  orvalen_all_listed("${ARG_FILES}")
  list(TRANSFORM ARG_FILES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set(qt_refused "")
  if(ARG_QT_CORE_ONLY)
    set(qt_refused "${ORVALEN_QT_REFUSED}")
  endif()
  orvalen_check_includes(${name} "${sources}" "${folder}/;${ARG_LAYERS}" "${qt_refused}")
  orvalen_pch(${name} "${ARG_PCH}")
endfunction()

# A calculator folder: MODEL lists the model files, which go into <name>_model, link the core
# only and may include only the core and their own headers; WINDOWS lists the window files,
# which go into <name>, linking the model and the shell.
function(orvalen_calculator name)
  cmake_parse_arguments(ARG "" "" "MODEL;WINDOWS" ${ARGN})
  orvalen_all_listed("${ARG_MODEL};${ARG_WINDOWS}")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  list(TRANSFORM ARG_MODEL PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE model_sources)
  list(TRANSFORM ARG_WINDOWS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE window_sources)
  set(model_headers ${ARG_MODEL})
  list(FILTER model_headers INCLUDE REGEX "\\.h$")
  list(TRANSFORM model_headers PREPEND ${folder}/)

  add_library(${name}_model STATIC ${model_sources})
  target_include_directories(${name}_model PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name}_model PUBLIC orvalen_core)
  orvalen_check_includes(${name}_model "${model_sources}" "core/;${model_headers}"
                         "${ORVALEN_QT_REFUSED}")
  orvalen_pch(${name}_model orvalen_core)

  add_library(${name} STATIC ${window_sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${name}_model orvalen_shell)
  orvalen_check_includes(${name} "${window_sources}" "core/;platform/;shell/;${folder}/" "")
  orvalen_pch(${name} orvalen_platform)
endfunction()

# Gives the executable `target` the program's identity on the desktop: the icon (packaging/)
# built in as the resource named by ORVALEN_WINDOW_ICON, for its windows, and the name of its
# desktop entry, ORVALEN_APP_ID.
function(orvalen_desktop_identity target)
  qt_add_resources(${target} ${target}_icon PREFIX / BASE ${PROJECT_SOURCE_DIR}/packaging
                   FILES ${PROJECT_SOURCE_DIR}/packaging/${ORVALEN_APP_ID}.svg)
  target_compile_definitions(${target} PRIVATE ORVALEN_APP_ID="${ORVALEN_APP_ID}"
                             ORVALEN_WINDOW_ICON=":/${ORVALEN_APP_ID}.svg")
endfunction()
