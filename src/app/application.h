#pragma once

#include "platform/ProgramEnd.h"

namespace giudizi {

// Starts a fresh run in the current working folder: destroys the screens of a
// previous run, resets the application state and the shared database objects,
// prepares the data folder and shows the start screen. Returns false when the
// data cannot be used (the teacher has been told and endProgram(1) was called).
bool startApplication();

// Lets go of the data folder (the run is over; a test moves on to another).
void releaseDataFolder();

} // namespace giudizi
