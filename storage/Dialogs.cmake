# The metadata and schedule dialogs.
add_library(zeltar_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ButtonClosedDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/DialogLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogLook.h
  ${CMAKE_CURRENT_LIST_DIR}/Form5_MetaData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form5_MetaData.h
  ${CMAKE_CURRENT_LIST_DIR}/Form6_Schedule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form6_Schedule.h
  ${CMAKE_CURRENT_LIST_DIR}/ModalSeam.h
  ${CMAKE_CURRENT_LIST_DIR}/ScheduleEndQuestion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScheduleEndQuestion.h
  ${CMAKE_CURRENT_LIST_DIR}/WidgetStyle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WidgetStyle.h
)
target_link_libraries(zeltar_dialogs PUBLIC zeltar_model Qt6::Widgets)
