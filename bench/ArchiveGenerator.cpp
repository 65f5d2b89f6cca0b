#include "ArchiveGenerator.h"

#include "data/DataFolder.h"
#include "data/Database.h"

#include <QSqlQuery>
#include <sqlite3.h>

namespace giudizi::bench {

bool generateArchive(const QString& folder, int rows, QString* error)
{
    if (!createDataFolder(folder, error))
        return false;
    auto db = Database::open(folder + QStringLiteral("/Valutazioni.mdb"), error);
    if (!db)
        return false;
    const QString text =
        QStringLiteral("L'alunno si è inserito positivamente nel gruppo classe e collabora "
                       "volentieri con i compagni. Partecipa con interesse alle attività e "
                       "porta a termine i compiti assegnati con ordine e precisione. ")
            .repeated(5);
    Database::Transaction transaction(*db);
    QSqlQuery insert(db->handle());
    insert.prepare(QStringLiteral("INSERT INTO giudizi (nome, sex, scuola, classe, sezione, anno, "
                                  "quadrimestre, giudizio) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < rows; ++i) {
        insert.addBindValue(QStringLiteral("ALUNNO %1").arg(i, 6, 10, QLatin1Char('0')));
        insert.addBindValue(i % 2 ? QStringLiteral("M") : QStringLiteral("F"));
        insert.addBindValue(QStringLiteral("Medie"));
        insert.addBindValue(1 + i % 3);
        insert.addBindValue(QString(QChar(u'A' + i % 12)));
        insert.addBindValue(QStringLiteral("%1-%2").arg(2004 + i % 5).arg(2005 + i % 5));
        insert.addBindValue(1 + i % 3);
        insert.addBindValue(text);
        if (!insert.exec()) {
            *error = QStringLiteral("insert failed");
            return false;
        }
    }
    transaction.commit();
    return true;
}

GeneratedArchive::GeneratedArchive(int rows, const std::function<void(Database&)>& fill)
{
    QString error;
    const QString folder = dir.path() + QStringLiteral("/pergiudix");
    if (!generateArchive(folder, rows, &error))
        qFatal("%s", qPrintable(error));
    path = folder + QStringLiteral("/Valutazioni.mdb");
    db = Database::open(path, &error);
    if (!db)
        qFatal("%s", qPrintable(error));
    if (fill)
        fill(*db);
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK)
        qFatal("cannot open %s", qPrintable(path));
}

} // namespace giudizi::bench
