#pragma once

#include "data/Database.h"
#include "data/Recordset.h"

#include <memory>

namespace giudizi {

// The open database handles and the cursors that several screens share.
// Setting a member again releases the previous object.
struct ArchiveStore {
    std::shared_ptr<Database> ArchiveDb;       // Valutazioni.mdb
    std::shared_ptr<Database> DescriptorDb;    // DBgiudix2.mdb
    std::shared_ptr<Database> PrintSettingsDb; // stampagiudix.mdb

    std::shared_ptr<Recordset> CurrentJudgment; // the giudizi row being composed
    std::shared_ptr<Recordset> HandedJudgments; // rows handed to printing or attestato
    std::shared_ptr<Recordset> DescriptorCursor;
    std::shared_ptr<Recordset> PositionCursor;

    // Releases every cursor, then closes the databases no screen still holds.
    void reset();
    // Closes the three databases even where a screen still holds them: the
    // program is ending, and nothing may touch the engine after it has gone.
    void closeAll();
};

ArchiveStore& archiveStore();

} // namespace giudizi
