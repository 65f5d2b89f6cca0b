// The teacher's archive kept safe: the automatic copy before the first change
// of each day, fourteen days kept, a copy that fails never stopping a save,
// and copies the engine finds damaged refused by the automatic copy and by
// the backup alike.
#include "data/Backup.h"
#include "data/DailyCopies.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {

void setToday(const QDate& day)
{
    qputenv("GIUDIZI_TODAY", day.toString(Qt::ISODate).toLatin1());
}

// The judgment text stored in the archive file of `folder`.
QString storedText(const QString& folder)
{
    QString text;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
        db.setDatabaseName(QDir(folder).filePath(QStringLiteral("Valutazioni.mdb")));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT giudizio FROM giudizi")) && query.next())
                text = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("x"));
    return text;
}

// Overwrites the middle of a file with garbage, as a failing medium would.
void damage(const QString& file)
{
    QFile copy(file);
    if (!copy.open(QIODevice::ReadWrite))
        return;
    copy.seek(copy.size() / 2);
    copy.write(QByteArray(4096, '\xA5'));
}

QStringList dayFolders()
{
    return QDir(dailycopies::folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

const QDate kFirstDay(2026, 1, 12);

} // namespace

class TestDataSafety : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> m_run;

    // The archive on show with one pupil, whose judgment is then corrected.
    void archiveWithPupil()
    {
        m_run = std::make_unique<ProgramRun>();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        addJudgment({{"nome", QStringLiteral("ROSSI MARIO")},
                     {"classe", 1},
                     {"sezione", QStringLiteral("A")},
                     {"anno", QStringLiteral("2025-2026")},
                     {"quadrimestre", 1},
                     {"giudizio", QStringLiteral("Testo 0")},
                     {"scuola", QStringLiteral("Medie")}});
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdalunno"));
        find<QLineEdit>(QStringLiteral("Farchiv2"), QStringLiteral("Text1"))
            ->setText(QStringLiteral("ROSSI MARIO"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdok"));
    }

    // A correction saved through the archive screen.
    void saveText(const QString& text)
    {
        find<QTextEdit>(QStringLiteral("Farchiv2"), QStringLiteral("RichTextBox1"))
            ->setPlainText(text);
        click(QStringLiteral("Farchiv2"), QStringLiteral("CmdRegistro"));
        QCOMPARE(archiveRows().value(0).value(QStringLiteral("giudizio")).toString(), text);
    }

private slots:
    void cleanup()
    {
        m_run.reset();
        setCopyWrittenHook({});
        qunsetenv("GIUDIZI_TODAY");
    }

    void oneCopyADayBeforeItsFirstChangeFourteenKept()
    {
        setToday(kFirstDay);
        archiveWithPupil();
        QCOMPARE(dayFolders(), QStringList()); // starting changes nothing
        saveText(QStringLiteral("Testo 1"));
        QCOMPARE(dayFolders(), QStringList{QStringLiteral("2026-01-12")});
        const QString first = dailycopies::folderOf(kFirstDay);
        QStringList files = QDir(first).entryList(QDir::Files | QDir::Hidden);
        files.sort();
        QCOMPARE(files, (QStringList{"DBgiudix2.mdb", "Valutazioni.mdb", "stampagiudix.mdb"}));
        QCOMPARE(storedText(first), QStringLiteral("Testo 0")); // as it was before the change
        saveText(QStringLiteral("Testo 2"));
        QCOMPARE(storedText(first), QStringLiteral("Testo 0")); // one copy a day

        // A program left open for days: each day's first change copies it.
        for (int day = 1; day <= 14; ++day) {
            setToday(kFirstDay.addDays(day));
            saveText(QStringLiteral("Giorno %1").arg(day));
            QCOMPARE(storedText(dailycopies::folderOf(kFirstDay.addDays(day))),
                     day == 1 ? QStringLiteral("Testo 2")
                              : QStringLiteral("Giorno %1").arg(day - 1));
        }
        const QList<QDate> kept = dailycopies::days();
        QCOMPARE(kept.size(), dailycopies::kDaysKept);
        QCOMPARE(kept.first(), kFirstDay.addDays(14));
        QCOMPARE(kept.last(), kFirstDay.addDays(1)); // the fifteenth removed the oldest
        QCOMPARE(dayFolders().size(), 14);           // and no hidden leftover
    }

    void aCopyThatFailsNeverStopsTheSave()
    {
        setToday(kFirstDay);
        archiveWithPupil();
        // Something in the way of the copies' folder.
        QVERIFY(QFile(dailycopies::folder()).open(QIODevice::WriteOnly));
        saveText(QStringLiteral("Salvato lo stesso"));
        QVERIFY(dailycopies::days().isEmpty());

        // A copy the engine finds damaged is not kept either.
        QFile::remove(dailycopies::folder());
        setCopyWrittenHook(damage);
        saveText(QStringLiteral("Ancora salvato"));
        QCOMPARE(dayFolders(), QStringList());

        // Tried again at the next change, and made once it can be.
        setCopyWrittenHook({});
        saveText(QStringLiteral("Terzo"));
        QCOMPARE(dayFolders(), QStringList{QStringLiteral("2026-01-12")});
        QCOMPARE(storedText(dailycopies::folderOf(kFirstDay)), QStringLiteral("Ancora salvato"));
    }

    void theBackupRefusesACopyFoundDamaged()
    {
        archiveWithPupil();
        QTemporaryDir floppy;
        qputenv("GIUDIZI_FLOPPY_DIR", floppy.path().toLocal8Bit());
        setCopyWrittenHook(damage);
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdmenù"));
        {
            ModalAnswer answers(QList<int>{QMessageBox::Ok, QMessageBox::Ok});
            click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabFloppy"));
            QVERIFY(answers.texts().value(1).startsWith(QStringLiteral("Probabilmente")));
        }
        qunsetenv("GIUDIZI_FLOPPY_DIR");
        QCOMPARE(QDir(floppy.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(m_run->endStatuses(), QList<int>());
    }
};

QTEST_MAIN(TestDataSafety)
#include "tst_data_safety.moc"
