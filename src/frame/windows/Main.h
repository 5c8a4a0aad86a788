#pragma once
// The entry procedure of the program.

#include <QStringList>

class ProgramState;

// Starts the program with its arguments (without the program name). When another instance
// of the program runs in this desktop session, hands it the command line (waiting while it is
// too busy to take it) and returns false: the process then ends at once, without windows.
// Otherwise sets up `estado` as the program's state for the run (installed, with the folders
// and the window side's pointer), shows the splash, the main window and a case or the tip of
// the day, and returns true: the caller runs the event loop and keeps `estado` until it ends.
// Cases open through the case opener the caller gave `estado` (ProgramState::caseOpener).
bool Main(const QStringList &argumentos, ProgramState &estado);

// The local server the running instance answers second starts on: a socket in the user's
// runtime folder, so one instance per user and desktop session; empty without that folder.
QString ProgramServerName();
