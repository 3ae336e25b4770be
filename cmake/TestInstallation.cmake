# Installs the build into a fresh prefix, then starts the installed GTP engine
# from an empty folder elsewhere: it must find every rule file in the installed
# data folder (no "Pb LitBinaire" line) and answer a command.
#   cmake -DCONSTRUCTION=<build> -DTRAVAIL=<scratch folder> -DAVEC_FENETRE=ON|OFF
#         -P TestInstallation.cmake
cmake_minimum_required(VERSION 3.20)
set(prefixe ${TRAVAIL}/prefixe)
set(ailleurs ${TRAVAIL}/ailleurs)
file(REMOVE_RECURSE ${TRAVAIL})
file(MAKE_DIRECTORY ${ailleurs})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${CONSTRUCTION} --prefix ${prefixe}
                RESULT_VARIABLE code OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${code}):\n${sortie}${erreurs}")
endif()

set(attendus bin/ilvane-gtp share/ilvane/OeilCentre.bin share/ilvane/OeilBord.bin
    share/ilvane/OeilCoin.bin share/ilvane/VivreBord.bin share/ilvane/VivreCoin.bin
    share/ilvane/Fuzeki.bin)
if(AVEC_FENETRE)
  list(APPEND attendus bin/ilvane share/applications/ilvane.desktop
       share/icons/hicolor/128x128/apps/ilvane.png)
endif()
foreach(f IN LISTS attendus)
  if(NOT EXISTS ${prefixe}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
# The rule files must come from the data folder, not from beside the program.
file(GLOB a_cote ${prefixe}/bin/*.bin)
if(a_cote)
  message(FATAL_ERROR "rule files installed beside the programs: ${a_cote}")
endif()

file(WRITE ${TRAVAIL}/commandes.gtp "name\nquit\n")
execute_process(COMMAND ${prefixe}/bin/ilvane-gtp
                WORKING_DIRECTORY ${ailleurs}
                INPUT_FILE ${TRAVAIL}/commandes.gtp
                RESULT_VARIABLE code OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs)
if(NOT code EQUAL 0 OR NOT sortie STREQUAL "= Ilvane\n\n= \n\n")
  message(FATAL_ERROR "the installed engine answered (${code}):\n${sortie}\n${erreurs}")
endif()
if(erreurs MATCHES "Pb LitBinaire")
  message(FATAL_ERROR "the installed engine missed rule files:\n${erreurs}")
endif()
file(REMOVE_RECURSE ${TRAVAIL})
message(STATUS "installed and started from ${ailleurs}: every rule file found")
