find_package(Qt6 REQUIRED COMPONENTS Test)

zeltar_add_test(dialogs_test
  SOURCES
    DialogsTest.cpp
    ModalHookGuard.h
  LIBS zeltar_dialogs zeltar_test_support Qt6::Test
  GUI
)
