#pragma once
// The first step of the menu entry Log > "Schedule end" when no recording runs: the offer
// to start one. The main window performs the Record action on true.

bool ConfirmStartRecordingForSchedule();
