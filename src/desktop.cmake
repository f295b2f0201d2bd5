# The desktop program `tavra`: Qt widgets over the query core. Included from
# src/CMakeLists.txt when TAVRA_GUI is on.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(tavra_ui STATIC
  platform/qt_dialog_builder.cpp
  platform/qt_user_messages.cpp
  platform/qt_station_choice_box.cpp
  platform/qt_app_icon.cpp
  results/sort_header_ctrl.cpp
  results/sort_list_ctrl.cpp
  app/mode_layout.cpp
  app/query_dlg.cpp
  app/timetable_app.cpp
)
set_target_properties(tavra_ui PROPERTIES AUTOMOC ON)
target_link_libraries(tavra_ui PUBLIC tavra_core Qt6::Widgets)
# The core has members named `slots` and `signals`: Qt must not take those words.
target_compile_definitions(tavra_ui PUBLIC QT_NO_KEYWORDS)

add_executable(tavra app/tavra_main.cpp)
target_link_libraries(tavra PRIVATE tavra_ui)
