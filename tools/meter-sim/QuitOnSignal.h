#pragma once
// Turns SIGINT, SIGTERM and SIGHUP into a normal end of the event loop, so that what the
// program made (the terminal link) is cleaned up on the way out.

class QCoreApplication;

void QuitOnTerminationSignals(QCoreApplication &application);
