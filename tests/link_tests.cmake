# Tests of the radio link. The link support library holds the fake port, the scripted user
# and the helper that runs the virtual radio program on a pseudo-terminal.
add_library(tq_link_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/link_support/link_fixtures.cpp)
target_link_libraries(tq_link_test_support PUBLIC tq_common tq_link tq_radiosim_core Qt6::Core GTest::gtest)
target_include_directories(tq_link_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(tq_link_test_support PUBLIC TQ8615_RADIOSIM="$<TARGET_FILE:tq8615-radiosim>")

tq_add_test(link_protocol_test SOURCES link_protocol_test.cpp LIBS tq_link_test_support)

tq_add_test(link_e2e_test SOURCES link_e2e_test.cpp LIBS tq_link_test_support tq_test_support)
add_dependencies(link_e2e_test tq8615-radiosim)

tq_add_test(link_ports_test SOURCES link_ports_test.cpp LIBS tq_link_test_support)
add_dependencies(link_ports_test tq8615-radiosim)
tq_add_test(link_embedded_info_test SOURCES link_embedded_info_test.cpp LIBS tq_link GTest::gtest GTest::gtest_main)

tq_add_test(link_cli_test SOURCES link_cli_test.cpp LIBS tq_link_test_support tq_test_support)
target_compile_definitions(link_cli_test PRIVATE TQ8615_CLI="$<TARGET_FILE:tq8615-cli>")
add_dependencies(link_cli_test tq8615-cli tq8615-radiosim)
