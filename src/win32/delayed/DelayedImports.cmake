# The DLLs only the dialogs, the shell, picture decoding, screen readers and
# the drawing of the buttons' themed faces need are loaded at their first
# call, not at start-up, where they cost a tenth of the time to show the
# window: mingw-w64's delay-import libraries, made from the few functions
# used. Their usual import libraries leave this folder's link, so a function
# missing from a .def file fails the link by name rather than loading its DLL
# at start-up again.
set(delayed_libraries)
foreach(dll comdlg32 shell32 ole32 oleacc oleaut32 comctl32 uxtheme)
  set(def ${CMAKE_CURRENT_LIST_DIR}/${dll}.def)
  # The files name the 32-bit stdcall symbols; 64-bit Windows has one
  # calling convention, and its names carry no argument size.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    file(READ ${def} exports)
    string(REGEX REPLACE "@[0-9]+" "" exports "${exports}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    set(def ${CMAKE_CURRENT_BINARY_DIR}/${dll}.def)
    file(CONFIGURE OUTPUT ${def} CONTENT "${exports}" @ONLY)
  endif()
  set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}-delayed.a)
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${def} --output-delaylib ${library}
    DEPENDS ${def}
    COMMENT "Making the delay-import library of ${dll}"
    VERBATIM)
  list(APPEND delayed_libraries ${library})
endforeach()
add_custom_target(delayed_imports DEPENDS ${delayed_libraries})
# Called through their import thunks, not through __declspec(dllimport)
# pointers: for 32-bit code ld leaves those pointers empty in a delay-import
# library. The macros are the ones these DLLs' own builds define.
set(delayed_definitions _COMDLG32_ _SHELL32_ _OLE32_ _OLEAUT32_ _COMCTL32_ _UXTHEME_)
string(REGEX REPLACE "-l(shell32|ole32|oleaut32|comdlg32)( |$)" "" CMAKE_CXX_STANDARD_LIBRARIES "${CMAKE_CXX_STANDARD_LIBRARIES}")
