#include "app/application.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DataFolder.h"
#include "platform/MessageBox.h"
#include "platform/ScreenRegistry.h"
#include "screens/start/Favvio.h"

namespace giudizi {

bool startApplication()
{
    ScreenRegistry::destroyAll();
    resetAppState();
    archiveStore().reset();

    const DataFolderResult data = prepareDataFolder();
    if (!data.ok) {
        msg::info(nullptr, data.error);
        endProgram(1);
        return false;
    }
    auto* start = ScreenRegistry::get<Favvio>();
    if (!start->Form_Load())
        return false;
    showScreen(start);
    return true;
}

} // namespace giudizi
