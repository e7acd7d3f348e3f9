find_package(Qt6 REQUIRED COMPONENTS Test)

zeltar_add_test(zeltar_dialogs_tests
  SOURCES
    EscapeAndClose.h
    MetaDataDialogTest.cpp
    ModalHookGuard.h
    QStringPrinter.h
    ScheduleDialogTest.cpp
    ScheduledEndTest.cpp
    ScheduleValidationTest.cpp
  LIBS zeltar_dialogs zeltar_test_support Qt6::Test
  GUI
)
