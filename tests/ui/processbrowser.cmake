# The browser helper: its command protocol, and the real helper driven through the tool's factory.
add_executable(tst_browser_command ${CMAKE_CURRENT_LIST_DIR}/tst_browser_command.cpp)
set_target_properties(tst_browser_command PROPERTIES AUTOMOC ON)
target_link_libraries(tst_browser_command PRIVATE milden_browser_protocol Qt6::Test milden_warnings)
add_test(NAME tst_browser_command COMMAND tst_browser_command)

add_executable(tst_process_browser ${CMAKE_CURRENT_LIST_DIR}/tst_process_browser.cpp)
set_target_properties(tst_process_browser PROPERTIES AUTOMOC ON)
target_link_libraries(tst_process_browser PRIVATE milden_ui Qt6::Test milden_warnings)
# The factory finds the helper beside the running program, so it must be built first.
add_dependencies(tst_process_browser milden-browser)
add_test(NAME tst_process_browser COMMAND tst_process_browser)
set_tests_properties(tst_process_browser PROPERTIES TIMEOUT 120 ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu;MILDEN_BROWSER_ALLOW_FILE=1")
