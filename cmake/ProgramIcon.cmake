# The program's icon is drawn once, as packaging/org.example.Pintaro.svg, and
# rendered with librsvg's rsvg-convert at each size a system shows it.
#   pintaro_render_icon(VARIABLE SIZE...)
# sets VARIABLE to the PNG files, <binary dir>/icons/<size>/org.example.Pintaro.png.
set(PINTARO_ICON_SOURCE ${CMAKE_SOURCE_DIR}/packaging/org.example.Pintaro.svg)

function(pintaro_render_icon variable)
  find_program(PINTARO_RSVG_CONVERT rsvg-convert)
  if(NOT PINTARO_RSVG_CONVERT)
    message(FATAL_ERROR "The program's icon is rendered with rsvg-convert; tools/ensure-packages installs librsvg2-bin")
  endif()
  set(pngs)
  foreach(size ${ARGN})
    set(png ${CMAKE_BINARY_DIR}/icons/${size}/org.example.Pintaro.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
      COMMAND ${PINTARO_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${PINTARO_ICON_SOURCE}
      DEPENDS ${PINTARO_ICON_SOURCE}
      COMMENT "Rendering the program's icon at ${size} pixels"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${variable} ${pngs} PARENT_SCOPE)
endfunction()
