#include "data/ArchiveStore.h"

namespace giudizi {

ArchiveStore& archiveStore()
{
    static ArchiveStore store;
    return store;
}

void ArchiveStore::reset()
{
    CurrentJudgment.reset();
    HandedJudgments.reset();
    DescriptorCursor.reset();
    PositionCursor.reset();
    for (auto* db : {&ArchiveDb, &DescriptorDb, &PrintSettingsDb}) {
        if (*db && db->use_count() == 1)
            (*db)->close();
        db->reset();
    }
}

void ArchiveStore::closeAll()
{
    for (auto* db : {&ArchiveDb, &DescriptorDb, &PrintSettingsDb})
        if (*db)
            (*db)->close();
    reset();
}

} // namespace giudizi
