# Tests of the desktop program's windows and commands; they drive real widgets offscreen.
foreach(t app_settings app_main_window app_radio app_window app_editors app_channel_list app_fleet app_dtmf app_five_tone app_channel_range app_two_tone app_auto_test app_keyboard)
  tq_add_test(${t}_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/${t}_test.cpp LIBS tq_app Qt6::Test)
  target_include_directories(${t}_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_compile_definitions(${t}_test PRIVATE TQ_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${t}_test PROPERTIES AUTOMOC ON)
  add_dependencies(${t}_test tq_language)
endforeach()

# The radio tests drive the virtual radio: in-process and as the program on a terminal.
foreach(t app_radio app_fleet app_editors app_dtmf app_five_tone)
  target_link_libraries(${t}_test PRIVATE tq_link_test_support)
  add_dependencies(${t}_test tq8615-radiosim)
endforeach()
