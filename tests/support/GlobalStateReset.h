#pragma once
// Every test starts and ends with the acquisition state of a fresh start: one test program
// builds many windows in one process, and a test that fails half-way must not leave its state
// to the next one. Called by the test mains.
void ResetGlobalStateAroundEachTest();
