#pragma once

#include "data/Backup.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace giudizi::restore {

// What the teacher is told of a copy before restoring it.
struct CopyFacts {
    QDate date;         // when the archive file was written
    int judgments = 0;  // rows of giudizi
    QString newestYear; // the latest anno among them ("" when none)
};

// Checks the copy in `folder` (the three data files under their names):
// each opens read-only, passes the engine's integrity check and holds this
// program's tables with their columns (extra tables and columns are fine).
// Nothing when it does not, with the Italian reason in *error.
std::optional<CopyFacts> checkCopy(const QString& folder, QString* error);

// Puts the copy in `folder` in place of the data files. The current files are
// first copied into pergiudix/prima-del-ripristino-AAAAMMGG-HHMMSS/; the copy
// is verified beside the data files, then written into each one (into the
// program's connection when `open` holds it, so that connection stays good;
// renamed in otherwise); a marker records the replacement under way, so that
// a run that dies midway is undone at the next start. Any failure puts the
// previous files back the same way (Unchanged, with the reason); when even
// that fails the marker stays and the program must end, so the next start
// puts them back before anything opens (RestartNeeded).
enum class Outcome { Restored, Unchanged, RestartNeeded };
Outcome restoreFrom(const QString& folder, const QList<BackupItem>& open, QString* error);

// At start, before the data files are opened: a replacement cut short is
// undone (the previous files back in place) and the leftovers removed.
void finishInterrupted();

// The folder the previous files went into at the last restore of this run.
QString setAsideFolder();

// For tests: called before each data file is replaced (0, 1, 2), `undoing`
// when the previous files are being put back; false makes that step fail.
void setRenameHook(std::function<bool(int index, bool undoing)> hook);

} // namespace giudizi::restore
