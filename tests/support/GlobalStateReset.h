#pragma once
// Every test starts and ends with the acquisition state of a fresh start: one test program
// builds many windows in one process, and a test that fails half-way must not leave its state
// to the next one.

#include <gtest/gtest.h>

class TGlobalStateReset : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo &) override;
    void OnTestEnd(const ::testing::TestInfo &) override;
};

// Installs the reset around each test of the program; called by the test mains.
void ResetGlobalStateAroundEachTest();
