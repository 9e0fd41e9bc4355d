# The data files of the luck tools and of Azarix (AZARIX.DAT, BRMO.DAT, LUCKY.DAT),
# written beside the program by a generator that lives here. It compiles the few core
# files it needs itself, optimised and never under the sanitizers.
add_executable(numbrela_genera_datos_suerte
  GeneraDatosSuerte.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../luck/Biorritmo.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../luck/FicheroDatos.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../luck/Usuario.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../model/Cp1252.cpp)
target_include_directories(numbrela_genera_datos_suerte PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
set_target_properties(numbrela_genera_datos_suerte PROPERTIES
  COMPILE_OPTIONS "-O2;-Wall;-Wextra"
  LINK_OPTIONS ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_custom_command(
  OUTPUT ${numbrela_PROGRAM_DIR}/AZARIX.DAT ${numbrela_PROGRAM_DIR}/BRMO.DAT ${numbrela_PROGRAM_DIR}/LUCKY.DAT
  COMMAND numbrela_genera_datos_suerte ${numbrela_PROGRAM_DIR}
  DEPENDS numbrela_genera_datos_suerte
  COMMENT "Luck and Azarix data: AZARIX.DAT, BRMO.DAT, LUCKY.DAT"
  VERBATIM)
add_custom_target(numbrela_datos_suerte ALL DEPENDS
  ${numbrela_PROGRAM_DIR}/AZARIX.DAT ${numbrela_PROGRAM_DIR}/BRMO.DAT ${numbrela_PROGRAM_DIR}/LUCKY.DAT)
