#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace giudizi {

// The automatic copies of the data folder: before the first change of each
// day to the archive or the catalogues, the three data files are copied
// (the engine's backup interface, each copy verified) into
// pergiudix/copie/AAAA-MM-GG/, made as a hidden ".AAAA-MM-GG.tmp" folder and
// renamed when whole; the 14 most recent days are kept. A copy that fails is
// logged and tried again at the next change; it never stops the change.
namespace dailycopies {

constexpr int kDaysKept = 14;

// The folder of the copies ("pergiudix/copie").
QString folder();
// Called before every change to the database at `databasePath`: for the
// archive and the catalogues, makes today's copy when there is none yet.
void beforeChange(const QString& databasePath);
// The days that have a copy, newest first.
QList<QDate> days();
// The folder of one day's copy.
QString folderOf(const QDate& day);

} // namespace dailycopies

} // namespace giudizi
