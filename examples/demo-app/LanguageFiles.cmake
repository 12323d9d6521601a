# The demo's language files, made at build time by the command-line tool on
# the build machine: German by the scan of demo.rc (with the standard switch
# dialog), English and French from the translators' files in translations/.
#
# demo_language_files(<folder> <cli command...>) writes demo.tra,
# demo_English.tra and demo_Francais.tra into <folder> and returns the three
# paths in DEMO_LANGUAGE_FILES.

set(DEMO_PROGRAM "Tolmeric Demo")
set(DEMO_VERSION "1.0")
set(DEMO_RC ${CMAKE_CURRENT_LIST_DIR}/demo.rc)
set(DEMO_TRANSLATIONS ${CMAKE_CURRENT_LIST_DIR}/translations)

# demo_scan(<output.tra> <version> <program> <cli...>): the German language
# file of the script, for the given program name and version.
function(demo_scan output version program)
  get_filename_component(name ${output} NAME_WE)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${ARGN} scan --quiet --force --auto-install --program ${program}
            --version ${version} --language Deutsch --flag de
            --log ${CMAKE_CURRENT_BINARY_DIR}/${name}.log --output ${output} ${DEMO_RC}
    DEPENDS ${DEMO_RC} ${CMAKE_CURRENT_LIST_DIR}/DemoResource.h ${DEMO_CLI_DEPENDS}
    COMMENT "Scanning demo.rc into ${output}"
    VERBATIM)
endfunction()

# demo_import(<output.tra> <base.tra> <po> <language> <flag> <cli...>)
function(demo_import output base po language flag)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${ARGN} import --quiet --force --base ${base} --output ${output}
            --language ${language} --flag ${flag} ${po}
    DEPENDS ${base} ${po} ${DEMO_CLI_DEPENDS}
    COMMENT "Making ${output} from ${po}"
    VERBATIM)
endfunction()

function(demo_language_files folder)
  file(MAKE_DIRECTORY ${folder})
  set(german ${folder}/demo.tra)
  demo_scan(${german} ${DEMO_VERSION} ${DEMO_PROGRAM} ${ARGN})
  demo_import(${folder}/demo_English.tra ${german} ${DEMO_TRANSLATIONS}/demo.en.po
              English en ${ARGN})
  demo_import(${folder}/demo_Francais.tra ${german} ${DEMO_TRANSLATIONS}/demo.fr.po
              Français fr ${ARGN})
  set(DEMO_LANGUAGE_FILES ${german} ${folder}/demo_English.tra ${folder}/demo_Francais.tra
      PARENT_SCOPE)
endfunction()
