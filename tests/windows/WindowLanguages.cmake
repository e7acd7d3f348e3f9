# The record windows in French and Italian, against the catalogues in the source tree.
zeltar_add_test(window_languages_test
  SOURCES WindowLanguagesTest.cpp
  LIBS zeltar_windows zeltar_test_support zeltar_test_translations
  GUI
)
