# The programs the build runs on the build machine: tolmeric-cli, which
# scans resource scripts into language files and imports translations, and
# draw_tool_pictures, which draws the tool's bitmaps and icon.
#
# A native build runs its own targets. A cross build (Windows) runs the ones
# of the native build tree that TOLMERIC_NATIVE_BUILD names (for instance
# build/native, built beforehand), else it builds both once per build tree
# from the same sources for the build machine.
#
# Sets TOLMERIC_NATIVE_CLI and TOLMERIC_NATIVE_PICTURES (commands) and
# TOLMERIC_NATIVE_CLI_DEPENDS and TOLMERIC_NATIVE_PICTURES_DEPENDS (what a
# custom command that runs them depends on). Include it where they are used.

if(NOT CMAKE_CROSSCOMPILING)
  set(TOLMERIC_NATIVE_CLI $<TARGET_FILE:tolmeric-cli>)
  set(TOLMERIC_NATIVE_CLI_DEPENDS tolmeric-cli)
  set(TOLMERIC_NATIVE_PICTURES $<TARGET_FILE:draw_tool_pictures>)
  set(TOLMERIC_NATIVE_PICTURES_DEPENDS draw_tool_pictures)
else()
  set(TOLMERIC_NATIVE_BUILD "" CACHE PATH
      "A native build tree of these sources whose tolmeric-cli and draw_tool_pictures the build runs; built here when empty")
  if(TOLMERIC_NATIVE_BUILD)
    set(native_tools_dir ${TOLMERIC_NATIVE_BUILD})
    set(TOLMERIC_NATIVE_CLI_DEPENDS ${native_tools_dir}/cli/tolmeric-cli)
    set(TOLMERIC_NATIVE_PICTURES_DEPENDS ${native_tools_dir}/app/draw_tool_pictures)
  else()
    set(native_tools_dir ${CMAKE_BINARY_DIR}/native-tools)
    if(NOT TARGET native_tools)
      include(ExternalProject)
      ExternalProject_Add(native_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${native_tools_dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DTOLMERIC_BUILD_TESTS=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build ${native_tools_dir} --target tolmeric-cli draw_tool_pictures
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${native_tools_dir}/cli/tolmeric-cli ${native_tools_dir}/app/draw_tool_pictures)
    endif()
    # The files as well as the target: a command runs again when the tool
    # that made its output has changed.
    set(TOLMERIC_NATIVE_CLI_DEPENDS native_tools ${native_tools_dir}/cli/tolmeric-cli)
    set(TOLMERIC_NATIVE_PICTURES_DEPENDS native_tools ${native_tools_dir}/app/draw_tool_pictures)
  endif()
  set(TOLMERIC_NATIVE_CLI ${native_tools_dir}/cli/tolmeric-cli)
  set(TOLMERIC_NATIVE_PICTURES ${native_tools_dir}/app/draw_tool_pictures)
endif()

# tolmeric_scan(<output.tra> SCRIPT <script.rc> PROGRAM <name> VERSION <version>
#               LANGUAGE <name> FLAG <code> [AUTO_INSTALL] [DEPENDS <files...>])
# The language file of a script, made by the scan at build time; its problem
# log goes beside the build's other files as <output name>.log.
function(tolmeric_scan output)
  cmake_parse_arguments(S "AUTO_INSTALL" "SCRIPT;PROGRAM;VERSION;LANGUAGE;FLAG" "DEPENDS" ${ARGN})
  get_filename_component(name ${output} NAME_WE)
  set(options)
  if(S_AUTO_INSTALL)
    list(APPEND options --auto-install)
  endif()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${TOLMERIC_NATIVE_CLI} scan --quiet --force ${options} --program ${S_PROGRAM}
            --version ${S_VERSION} --language ${S_LANGUAGE} --flag ${S_FLAG}
            --log ${CMAKE_CURRENT_BINARY_DIR}/${name}.log --output ${output} ${S_SCRIPT}
    DEPENDS ${S_SCRIPT} ${S_DEPENDS} ${TOLMERIC_NATIVE_CLI_DEPENDS}
    COMMENT "Scanning ${S_SCRIPT} into ${output}"
    VERBATIM)
endfunction()

# tolmeric_import(<output.tra> BASE <base.tra> TRANSLATION <file.po>
#                 LANGUAGE <name> FLAG <code>)
# A language file of another language, from a translators' file over the
# scan's language file.
function(tolmeric_import output)
  cmake_parse_arguments(I "" "BASE;TRANSLATION;LANGUAGE;FLAG" "" ${ARGN})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${TOLMERIC_NATIVE_CLI} import --quiet --force --base ${I_BASE} --output ${output}
            --language ${I_LANGUAGE} --flag ${I_FLAG} ${I_TRANSLATION}
    DEPENDS ${I_BASE} ${I_TRANSLATION} ${TOLMERIC_NATIVE_CLI_DEPENDS}
    COMMENT "Making ${output} from ${I_TRANSLATION}"
    VERBATIM)
endfunction()
