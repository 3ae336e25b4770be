# Refuses an include that climbs the layers. Run by the build before a layer's
# library is compiled (and by a test on a deliberately wrong folder):
#   cmake -DCOUCHE=tactics -DPERMISES="base;board;rules;tactics" \
#         -DDOSSIER=<folder> [-DTEMOIN=<stamp file>] -P VerifieCouche.cmake
# An include "x/..." of a file in DOSSIER is accepted when x is one of PERMISES
# (the layer itself and those below it) or is not a layer of src/ at all (a system
# or generated header); an include that starts with "../" is always refused.
cmake_minimum_required(VERSION 3.20)
set(couches base board rules tactics analysis game gtp ui)
file(GLOB fichiers ${DOSSIER}/*.h ${DOSSIER}/*.cpp)
set(fautes "")
foreach(fichier IN LISTS fichiers)
  file(STRINGS ${fichier} lignes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(ligne IN LISTS lignes)
    string(REGEX MATCH "include[ \t]*[\"<]([^\">]*)[\">]" _ "${ligne}")
    set(chemin "${CMAKE_MATCH_1}")
    if(chemin MATCHES "^\\.\\./")
      string(APPEND fautes "  ${fichier}: #include \"${chemin}\" (relative path out of the folder)\n")
      continue()
    endif()
    if(NOT chemin MATCHES "^([a-z]+)/")
      continue()
    endif()
    set(dossier_inclus "${CMAKE_MATCH_1}")
    if(dossier_inclus IN_LIST couches AND NOT dossier_inclus IN_LIST PERMISES)
      string(APPEND fautes "  ${fichier}: #include \"${chemin}\"\n")
    endif()
  endforeach()
endforeach()
if(fautes)
  string(REPLACE ";" ", " permises "${PERMISES}")
  message(FATAL_ERROR "Upward include: the layer ${COUCHE} may include only ${permises}.\n${fautes}")
endif()
if(TEMOIN)
  file(TOUCH ${TEMOIN})
endif()
