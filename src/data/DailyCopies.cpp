#include "data/DailyCopies.h"

#include "data/Backup.h"
#include "data/Clock.h"
#include "data/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtGlobal>

namespace giudizi::dailycopies {

namespace {
const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

// The day and data folder a copy was last made for, so most changes cost no
// look at the disk.
struct Made {
    QDate day;
    QString in;
};
Made& made()
{
    static Made last;
    return last;
}

bool isWatched(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    return file == QFileInfo(datafiles::archivePath()).absoluteFilePath() ||
           file == QFileInfo(datafiles::descriptorPath()).absoluteFilePath();
}

bool makeCopy(const QDate& day, QString* error)
{
    const QDir copies(folder());
    const QString name = day.toString(kDayFormat);
    const QString building = copies.filePath(QStringLiteral(".%1.tmp").arg(name));
    QDir(building).removeRecursively(); // a leftover of a run that died
    if (!QDir().mkpath(building)) {
        *error = QStringLiteral("%1: la cartella non si può creare.").arg(building);
        return false;
    }
    if (!copyDataFiles(datafiles::allPaths(), building, error) ||
        !QDir().rename(building, copies.filePath(name))) {
        if (error->isEmpty())
            *error = QStringLiteral("%1: la copia non si può mettere al suo posto.").arg(name);
        QDir(building).removeRecursively();
        return false;
    }
    return true;
}

// Only the most recent days stay; hidden leftovers go too.
void prune()
{
    const QList<QDate> kept = days();
    for (int i = kDaysKept; i < kept.size(); ++i)
        QDir(folderOf(kept.at(i))).removeRecursively();
    const QDir copies(folder());
    for (const QString& leftover :
         copies.entryList({QStringLiteral(".*.tmp")}, QDir::Dirs | QDir::Hidden))
        QDir(copies.filePath(leftover)).removeRecursively();
}
} // namespace

QString folder()
{
    return QDir(datafiles::folder()).filePath(QStringLiteral("copie"));
}

QString folderOf(const QDate& day)
{
    return QDir(folder()).filePath(day.toString(kDayFormat));
}

QList<QDate> days()
{
    QList<QDate> found;
    for (const QString& name : QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDate day = QDate::fromString(name, kDayFormat);
        if (day.isValid() && name == day.toString(kDayFormat))
            found.append(day);
    }
    std::sort(found.begin(), found.end(), std::greater<QDate>());
    return found;
}

void beforeChange(const QString& databasePath)
{
    if (!isWatched(databasePath))
        return;
    const QDate today = clock::today();
    const QString in = QFileInfo(folder()).absoluteFilePath();
    if (made().day == today && made().in == in)
        return;
    if (QFileInfo(folderOf(today)).isDir()) {
        made() = {today, in};
        return;
    }
    QString error;
    if (!makeCopy(today, &error)) {
        qWarning("giudizi: the automatic copy of %s was not made: %s",
                 qPrintable(today.toString(kDayFormat)), qPrintable(error));
        return; // tried again at the next change
    }
    made() = {today, in};
    prune();
}

} // namespace giudizi::dailycopies
