#pragma once

#include "platform/WorkingFolder.h"

namespace giudizi {

// Runs --prepara-server or --carica-sul-server: no window, no local data
// folder touched; the report printed in Italian. The exit status.
int runServerCommand(const StartOptions& options);

} // namespace giudizi
