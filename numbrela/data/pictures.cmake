# The pictures and the cursor, drawn by our own generator into the program folder.
if(NOT CORE_ONLY)
  add_executable(numbrela_genera_dibujos ${CMAKE_CURRENT_LIST_DIR}/GeneraDibujos.cpp)
  target_link_libraries(numbrela_genera_dibujos PRIVATE Qt6::Gui)
  set(numbrela_dibujos
    Cuadro2.bmp fondo3.bmp granito2.bmp Sextina.Bmp Comprar.Bmp informacion.bmp handpnt.cur
    BotonOrden.bmp BotonSalir.bmp BotonLargo.bmp BotonNumero.bmp
    BotonPrimero.bmp BotonAnterior.bmp BotonSiguiente.bmp BotonUltimo.bmp
    BotonIrBoleto.bmp BotonInfo.bmp Aceptar.bmp Cancelar.bmp Anadir.bmp
    TipoSimple.bmp TipoMultiple.bmp TipoReducida.bmp
    Multiple5.bmp Multiple7.bmp Multiple8.bmp Multiple9.bmp Multiple10.bmp Multiple11.bmp
    ReduccionTres.bmp ReduccionCuatro.bmp ReduccionCinco.bmp AbrirRLF.bmp)
  list(TRANSFORM numbrela_dibujos PREPEND ${numbrela_PROGRAM_DIR}/)
  add_custom_command(OUTPUT ${numbrela_dibujos}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${numbrela_PROGRAM_DIR}
    COMMAND numbrela_genera_dibujos ${numbrela_PROGRAM_DIR}
    DEPENDS numbrela_genera_dibujos
    COMMENT "Drawing the planner's pictures")
  add_custom_target(numbrela_dibujos ALL DEPENDS ${numbrela_dibujos})
  add_dependencies(numbrela_qt numbrela_dibujos)
endif()
