#include "platform/ProgramEnd.h"

#include "data/ArchiveStore.h"

#include <cstdlib>

namespace giudizi {

namespace {
std::function<void(int)>& handler()
{
    static std::function<void(int)> h;
    return h;
}
} // namespace

void endProgram(int status)
{
    if (handler()) {
        handler()(status);
        return;
    }
    // Every write is committed when it happens; the databases are closed now,
    // before the engine's own shutdown at exit.
    archiveStore().closeAll();
    std::exit(status);
}

void setEndProgramHandler(std::function<void(int)> h)
{
    handler() = std::move(h);
}

} // namespace giudizi
