find_package(Qt6 REQUIRED COMPONENTS Test)

zeltar_add_test(dialogs_test
  SOURCES
    EscapeAndClose.h
    MetaDataDialogTest.cpp
    ModalHookGuard.h
    ScheduleDialogTest.cpp
    ScheduledEndTest.cpp
  LIBS zeltar_dialogs zeltar_test_support Qt6::Test
  GUI
)
