#pragma once
// Starting an external program and waiting for it while every window stays
// usable: the wait runs a nested event loop until the program has ended.
#include <QString>

namespace CallShell {

enum class WaitResult {
    Finished,   // the program ran and has ended
    NotStarted, // the program could not be started (missing, not executable)
    Abandoned   // the application is quitting while the program still runs
};

// Starts `programPath` with `workingDir` as its current directory and waits
// until it ends. Commands chosen during the wait run inside it; a second call
// made then waits for its own program first. The window style (1 normal, 3
// maximised) has no meaning for the programs of this platform and is ignored.
WaitResult RunAndWait(const QString &programPath, const QString &workingDir, int windowStyle = 1);

// Ends every wait in progress as abandoned, for an editor that is ending:
// each RunAndWait returns Abandoned once control is back in it, whether or not
// its program has ended meanwhile, and the programs go on running.
void AbandonWaits();

// True after the program has ended, false when it could not be started. The
// program starts in the folder it lies in.
bool CallShell(const QString &programPath, int windowStyle = 1);

// Number of external programs started by this process that are still running.
int RunningCount();

} // namespace CallShell
