# Native build: the portable core and its GoogleTest suites.
if(QUENDREL_TESTS)
  find_package(GTest REQUIRED)
  file(GLOB QUENDREL_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
  add_executable(unit_tests ${QUENDREL_UNIT_TESTS})
  target_link_libraries(unit_tests PRIVATE quendrel_core GTest::gtest GTest::gtest_main)
  include(GoogleTest)
  gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
endif()
