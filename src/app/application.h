#pragma once

#include "platform/ProgramEnd.h"

#include <QString>

namespace giudizi {

// Starts a fresh run in the current working folder: destroys the screens of a
// previous run, resets the application state and the shared database objects,
// prepares the data folder and shows the start screen. Returns false when the
// data cannot be used (the teacher has been told and endProgram(1) was called).
// The archive and catalogues are on the server named by GIUDIZI_SERVER when
// it is set, in the working folder otherwise.
bool startApplication();
// The same, on the server `server` (a service, a URI) or, when empty, in the
// working folder.
bool startApplication(const QString& server);

// Lets go of the data folder (the run is over; a test moves on to another).
void releaseDataFolder();

} // namespace giudizi
