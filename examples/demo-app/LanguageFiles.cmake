# The demo's language files, made at build time by the command-line tool on
# the build machine (cmake/NativeTools.cmake): German by the scan of demo.rc
# (with the standard switch dialog), English and French from the
# translators' files in translations/.
#
# demo_language_files(<folder>) writes demo.tra, demo_English.tra and
# demo_Francais.tra into <folder> and returns the three paths in
# DEMO_LANGUAGE_FILES.

set(DEMO_PROGRAM "Tolmeric Demo")
set(DEMO_VERSION "1.0")
set(DEMO_RC ${CMAKE_CURRENT_LIST_DIR}/demo.rc)
set(DEMO_TRANSLATIONS ${CMAKE_CURRENT_LIST_DIR}/translations)

# demo_scan(<output.tra> <version> <program>): the German language file of
# the script, for the given program name and version.
function(demo_scan output version program)
  tolmeric_scan(${output} SCRIPT ${DEMO_RC} PROGRAM ${program} VERSION ${version}
                LANGUAGE Deutsch FLAG de AUTO_INSTALL
                DEPENDS ${CMAKE_CURRENT_LIST_DIR}/DemoResource.h)
endfunction()

function(demo_language_files folder)
  file(MAKE_DIRECTORY ${folder})
  set(german ${folder}/demo.tra)
  demo_scan(${german} ${DEMO_VERSION} ${DEMO_PROGRAM})
  tolmeric_import(${folder}/demo_English.tra BASE ${german}
                  TRANSLATION ${DEMO_TRANSLATIONS}/demo.en.po LANGUAGE English FLAG en)
  tolmeric_import(${folder}/demo_Francais.tra BASE ${german}
                  TRANSLATION ${DEMO_TRANSLATIONS}/demo.fr.po LANGUAGE Français FLAG fr)
  set(DEMO_LANGUAGE_FILES ${german} ${folder}/demo_English.tra ${folder}/demo_Francais.tra
      PARENT_SCOPE)
endfunction()
