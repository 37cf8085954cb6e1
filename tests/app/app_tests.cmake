# Tests of the desktop program's windows and commands; they drive real widgets offscreen.
foreach(t app_settings app_main_window app_radio app_window app_editors app_channel_list app_fleet app_two_tone app_auto_test)
  tq_add_test(${t}_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/${t}_test.cpp LIBS tq_app Qt6::Test)
  target_include_directories(${t}_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_compile_definitions(${t}_test PRIVATE TQ_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${t}_test PROPERTIES AUTOMOC ON)
  add_dependencies(${t}_test tq_language)
endforeach()

# The radio tests drive the virtual radio: in-process and as the program on a terminal.
target_link_libraries(app_radio_test PRIVATE tq_link_test_support)
add_dependencies(app_radio_test tq8615-radiosim)
target_link_libraries(app_fleet_test PRIVATE tq_link_test_support)
add_dependencies(app_fleet_test tq8615-radiosim)
