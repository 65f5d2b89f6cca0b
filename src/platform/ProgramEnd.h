#pragma once

#include <functional>

namespace giudizi {

// Ends the program at once with `status` ("Esco" 0, an unusable database 1).
void endProgram(int status = 0);
// Replaces what endProgram() does; an empty function restores the default.
void setEndProgramHandler(std::function<void(int)> handler);

} // namespace giudizi
