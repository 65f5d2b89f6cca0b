#include "data/AppState.h"

namespace giudizi {

AppState& appState()
{
    static AppState state;
    return state;
}

void resetAppState()
{
    appState() = AppState();
}

} // namespace giudizi
