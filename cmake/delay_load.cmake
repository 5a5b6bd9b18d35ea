# quendrel_delay_load(NAME DLL FUNCTION...): an interface library NAME that
# imports FUNCTIONs from DLL through the delay-load table: the DLL is loaded
# at the first call instead of at start-up. FUNCTIONs are spelled as the i686
# build decorates them (ChooseFontW@4); the decoration is dropped on x86_64
# and from the imported names (dlltool -k).
function(quendrel_delay_load name dll)
  set(exports "")
  foreach(function ${ARGN})
    if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "@[0-9]+$" "" function ${function})
    endif()
    string(APPEND exports "${function}\n")
  endforeach()
  set(def ${CMAKE_BINARY_DIR}/${name}.def)
  set(lib ${CMAKE_BINARY_DIR}/lib${name}.a)
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}" @ONLY)
  # Run where the library goes: dlltool names its symbols after the path given.
  add_custom_command(OUTPUT ${lib} COMMAND ${CMAKE_DLLTOOL} -k -d ${name}.def -y lib${name}.a DEPENDS ${def}
                     WORKING_DIRECTORY ${CMAKE_BINARY_DIR} COMMENT "Delay-load import library for ${dll}")
  add_custom_target(${name}_implib DEPENDS ${lib})
  add_library(${name} INTERFACE)
  add_dependencies(${name} ${name}_implib)
  # libdelayimp holds the loader that resolves the functions at their first call.
  target_link_libraries(${name} INTERFACE ${lib} delayimp)
endfunction()
