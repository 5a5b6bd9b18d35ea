# libFuzzer targets for the file and value parsers (clang only). The core is
# instrumented too, or the fuzzer would see no coverage inside it.
if(NOT QUENDREL_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "QUENDREL_FUZZ needs clang++ (libFuzzer)")
endif()

set(QUENDREL_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(quendrel_core PRIVATE ${QUENDREL_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)

file(GLOB QUENDREL_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${QUENDREL_FUZZ_TARGETS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE quendrel_core)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_options(${name} PRIVATE ${QUENDREL_FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE ${QUENDREL_FUZZ_FLAGS} -fsanitize=fuzzer)
endforeach()
