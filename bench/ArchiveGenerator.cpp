#include "ArchiveGenerator.h"

#include "data/DataFolder.h"
#include "data/Database.h"

#include <QSqlQuery>

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

} // namespace giudizi::bench
