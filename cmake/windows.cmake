# Windows build (MinGW-w64): the program, and the in-process tests run under Wine.
set(QUENDREL_WIN_SOURCES ${QUENDREL_ALL_SOURCES})
list(FILTER QUENDREL_WIN_SOURCES INCLUDE REGEX "_win32\\.cpp$")
list(REMOVE_ITEM QUENDREL_WIN_SOURCES ${CMAKE_SOURCE_DIR}/src/app/main_win32.cpp)

# comdlg32 is delay-loaded (cmake/delay_load.cmake): only the font and colour
# dialogs need it, so it is loaded at their first use, not at every start.
# A comdlg32 function that is not listed here fails to link: add it.
include(${CMAKE_CURRENT_LIST_DIR}/delay_load.cmake)
quendrel_delay_load(comdlg32_delayed comdlg32.dll ChooseFontW@4 ChooseColorW@4)
# oleacc likewise: only a screen reader (or a test) asks for a control's name.
quendrel_delay_load(oleacc_delayed oleacc.dll CreateStdAccessibleObject@16 LresultFromObject@12)
set(QUENDREL_WIN_LIBS comctl32 comdlg32_delayed oleacc_delayed gdi32 user32 shell32 advapi32 winmm ole32 uuid)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601
                        _WIN32_IE=0x0600)

add_library(quendrel_win STATIC ${QUENDREL_WIN_SOURCES})
target_link_libraries(quendrel_win PUBLIC quendrel_core ${QUENDREL_WIN_LIBS})

# Everything static: the exe imports system DLLs only.
set(QUENDREL_STATIC_FLAGS -static -static-libgcc -static-libstdc++)

# The product is built from the sources themselves, not from the libraries:
# in Release it is compiled lean (cmake/lean.cmake), while the test programs
# link ordinary builds of the same sources (GoogleTest needs exceptions, and
# LTO objects in a shared library would make every test link an LTO link).
add_executable(Quendrel WIN32 src/app/main_win32.cpp src/app/lean_runtime.cpp res/quendrel.rc
                              ${QUENDREL_CORE_SOURCES} ${QUENDREL_WIN_SOURCES})
target_include_directories(Quendrel PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(Quendrel PRIVATE ${QUENDREL_WIN_LIBS})
# No link time in the header: the same sources give the same bytes, so a
# released exe can be matched by its hash to the one the tests ran.
target_link_options(Quendrel PRIVATE ${QUENDREL_STATIC_FLAGS} -municode -s -Wl,--no-insert-timestamp)
set_target_properties(Quendrel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/lean.cmake)
quendrel_lean(Quendrel)
# Only the test programs need the libraries.
set_target_properties(quendrel_core quendrel_win PROPERTIES EXCLUDE_FROM_ALL ON)

if(QUENDREL_TESTS)
  # GoogleTest from Debian's source package, built with the cross compiler.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -w)
  endforeach()

  file(GLOB QUENDREL_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  add_executable(win_tests ${QUENDREL_WIN_TESTS} tests/support/win_test_support.cpp
                         tests/support/program_probe_win32.cpp res/quendrel.rc)
  target_link_libraries(win_tests PRIVATE quendrel_win gtest)
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_options(win_tests PRIVATE ${QUENDREL_STATIC_FLAGS})
  # One ctest entry per suite keeps the Wine start-up cost low.
  add_test(NAME win_tests COMMAND win_tests --gtest_brief=1)
  set_tests_properties(win_tests PROPERTIES TIMEOUT 600)

  # End-to-end scenarios: another process that starts and drives Quendrel.exe.
  file(GLOB QUENDREL_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(e2e_tests ${QUENDREL_E2E_TESTS} tests/support/win_test_support.cpp tests/support/real_input_win32.cpp
                         tests/win/test_main.cpp)
  target_link_libraries(e2e_tests PRIVATE gtest quendrel_core comctl32 user32 gdi32 advapi32 shell32)
  target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_definitions(e2e_tests PRIVATE QUENDREL_EXE="$<TARGET_FILE:Quendrel>")
  target_link_options(e2e_tests PRIVATE ${QUENDREL_STATIC_FLAGS})
  add_dependencies(e2e_tests Quendrel)
  add_test(NAME e2e_tests COMMAND e2e_tests --gtest_brief=1)
  set_tests_properties(e2e_tests PROPERTIES TIMEOUT 1200)

  # Benchmark programs (scripts/bench); built with the tests so they keep compiling.
  add_executable(minimal_win32 WIN32 bench/minimal_win32.cpp)
  target_link_options(minimal_win32 PRIVATE ${QUENDREL_STATIC_FLAGS} -municode -s)
  foreach(minimal minimal_imports_win32 minimal_sound_win32)
    add_executable(${minimal} WIN32 bench/minimal_win32.cpp)
    target_compile_definitions(${minimal} PRIVATE QUENDREL_SAME_IMPORTS)
    target_link_libraries(${minimal} PRIVATE comctl32 gdi32 user32 shell32 advapi32 winmm ole32)
    target_link_options(${minimal} PRIVATE ${QUENDREL_STATIC_FLAGS} -municode -s)
  endforeach()
  target_compile_definitions(minimal_sound_win32 PRIVATE QUENDREL_OPENS_SOUND)
  add_executable(bench_win32 bench/bench_win32.cpp tests/support/win_test_support.cpp
                            tests/support/program_probe_win32.cpp)
  target_link_libraries(bench_win32 PRIVATE quendrel_win psapi)
  # GetProcessMemoryInfo from psapi.dll, where Windows XP has it.
  target_compile_definitions(bench_win32 PRIVATE PSAPI_VERSION=1)
  target_include_directories(bench_win32 PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_options(bench_win32 PRIVATE ${QUENDREL_STATIC_FLAGS} -municode)
endif()
