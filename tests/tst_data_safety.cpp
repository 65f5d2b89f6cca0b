// The teacher's archive kept safe: the automatic copy before the first change
// of each day, fourteen days kept, a copy that fails never stopping a save,
// and copies the engine finds damaged refused by the automatic copy and by
// the backup alike.
#include "app/application.h"
#include "data/Backup.h"
#include "data/DailyCopies.h"
#include "data/Restore.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
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

// Every row of every table of the three files of `folder`, for comparing.
QMap<QString, QList<QVariantList>> tablesOf(const QString& folder)
{
    QMap<QString, QList<QVariantList>> tables;
    for (const char* file : {"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"}) {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dump"));
            db.setDatabaseName(QDir(folder).filePath(QString::fromLatin1(file)));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QStringList names;
            if (db.open()) {
                QSqlQuery list(db);
                list.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                         "AND name NOT LIKE 'sqlite_%' ORDER BY name"));
                while (list.next())
                    names << list.value(0).toString();
            }
            for (const QString& table : names) {
                QSqlQuery rows(db);
                rows.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table));
                QList<QVariantList>& content = tables[QString::fromLatin1(file) + '/' + table];
                while (rows.next()) {
                    QVariantList row;
                    for (int c = 0; c < rows.record().count(); ++c)
                        row << rows.value(c);
                    content << row;
                }
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("dump"));
    }
    return tables;
}

QString asideFolder()
{
    const QStringList found =
        QDir(QStringLiteral("pergiudix"))
            .entryList({QStringLiteral("prima-del-ripristino-*")}, QDir::Dirs);
    return found.size() == 1 ? QStringLiteral("pergiudix/") + found.first() : QString();
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

    // Clicks the restore entry of the menu and picks `copy` from the list;
    // every message after it gets the next of `buttons`. Their texts.
    QStringList restoreAnswering(const QString& copy, const QList<int>& buttons)
    {
        QStringList texts;
        QStringList offered;
        QList<int> left = buttons;
        DialogHandler answer([&](QWidget* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            if (input && input->comboBoxItems().isEmpty()) { // the passphrase
                texts << input->labelText();
                input->setTextValue(m_passphrases.value(0));
                if (m_passphrases.isEmpty())
                    input->reject();
                else
                    m_passphrases.removeFirst(), input->accept();
            } else if (input) {
                offered = input->comboBoxItems();
                texts << input->labelText();
                if (offered.contains(copy)) {
                    input->setTextValue(copy);
                    input->accept();
                } else {
                    input->reject();
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                texts << box->text();
                box->button(static_cast<QMessageBox::StandardButton>(
                                left.isEmpty() ? QMessageBox::Ok : left.takeFirst()))
                    ->click();
            } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                files->selectFile(m_otherFolder);
                static_cast<QDialog*>(files)->accept();
            }
        });
        QTest::mouseClick(
            findControl(QStringLiteral("Favviogiudix2"), QStringLiteral("LabRipristino")),
            Qt::LeftButton);
        m_offered = offered;
        return texts;
    }

    QString m_otherFolder;
    QStringList m_offered;
    QStringList m_passphrases;

    // A backup through the menu with `passphrase` typed in both boxes.
    void backUp(const QString& passphrase)
    {
        ModalAnswer answers(QStringList{passphrase, passphrase});
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabFloppy"));
    }

private slots:
    void cleanup()
    {
        m_run.reset();
        setCopyWrittenHook({});
        restore::setRenameHook({});
        qunsetenv("GIUDIZI_TODAY");
        qunsetenv("GIUDIZI_FLOPPY_DIR");
    }

    void backupThenRestoreGivesTheTablesBack()
    {
        setToday(kFirstDay);
        archiveWithPupil();
        QTemporaryDir floppy;
        qputenv("GIUDIZI_FLOPPY_DIR", floppy.path().toLocal8Bit());
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdmenù"));
        {
            ModalAnswer ok(QList<int>(3, QMessageBox::Ok)); // no password
            click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabFloppy"));
        }
        QCOMPARE(m_run->endStatuses(), QList<int>{0});
        const auto backedUp = tablesOf(floppy.path());
        QCOMPARE(backedUp, tablesOf(QStringLiteral("pergiudix")));

        // Work goes on, then the teacher wants the backup back.
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        saveText(QStringLiteral("Dopo la copia"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdmenù"));
        const auto before = tablesOf(QStringLiteral("pergiudix"));
        QVERIFY(before != backedUp);
        const QString medium = QStringLiteral("La copia di sicurezza in %1")
                                   .arg(QDir::toNativeSeparators(floppy.path()));

        // No: nothing changes.
        QStringList said = restoreAnswering(medium, {QMessageBox::No});
        QCOMPARE(m_offered, (QStringList{medium, QStringLiteral("Copia automatica del 12/01/2026"),
                                         QStringLiteral("Un'altra cartella…")}));
        QCOMPARE(said.size(), 2);
        QVERIFY2(said.at(1).startsWith(QStringLiteral("Ripristino la copia del ")) &&
                     said.at(1).contains(QStringLiteral("1 giudizio, anno scolastico più recente "
                                                        "2025-2026")),
                 qPrintable(said.at(1)));
        QCOMPARE(tablesOf(QStringLiteral("pergiudix")), before);

        said = restoreAnswering(medium, {QMessageBox::Yes, QMessageBox::Ok});
        QCOMPARE(said.size(), 3);
        QVERIFY(said.at(2).startsWith(QStringLiteral("Ho ripristinato")));
        QCOMPARE(m_run->endStatuses(), (QList<int>{0, 0}));
        QCOMPARE(tablesOf(QStringLiteral("pergiudix")), backedUp);
        QCOMPARE(tablesOf(asideFolder()), before); // the archive of before, set aside
        QCOMPARE(QDir(QStringLiteral("pergiudix"))
                     .entryList({QStringLiteral(".*")},
                                QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        // The next start works on the restored archive.
        QVERIFY(startApplication());
        startAndEnter();
        QCOMPARE(archiveRows().value(0).value(QStringLiteral("giudizio")).toString(),
                 QStringLiteral("Testo 0"));
    }

    void protectedCopiesOpenOnlyWithTheirPassphrase()
    {
        archiveWithPupil();
        QTemporaryDir floppy;
        qputenv("GIUDIZI_FLOPPY_DIR", floppy.path().toLocal8Bit());
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdmenù"));
        const QStringList plainFiles = {"DBgiudix2.mdb", "Valutazioni.mdb", "stampagiudix.mdb"};
        const auto onMedium = [&floppy] {
            QStringList files = QDir(floppy.path()).entryList(QDir::Files | QDir::Hidden);
            files.sort();
            return files;
        };
        // Two passphrases that differ: said, nothing written, the program goes on.
        {
            // (the last text keeps the answers going for the message after the boxes)
            ModalAnswer answers(
                QStringList{QStringLiteral("una"), QStringLiteral("altra"), QStringLiteral("-")});
            click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabFloppy"));
            QCOMPARE(answers.texts(),
                     (QStringList{QStringLiteral("Se sul floppy è già presente una copia "
                                                 "dell'archivio, essa verrà sovrascritta. Al "
                                                 "termine della copia il programma verrà chiuso. "
                                                 "Non resta che riavviarlo..."),
                                  QStringLiteral("Password per proteggere la copia (lasciala "
                                                 "vuota per una copia senza password):"),
                                  QStringLiteral("Riscrivi la stessa password:"),
                                  QStringLiteral("Le due password non sono uguali: non ho fatto "
                                                 "la copia. Riprova e scrivi due volte la stessa "
                                                 "password.")}));
        }
        // Cancel on the second box cancels the backup.
        {
            ModalAnswer answers(QStringList{QStringLiteral("una"), QString()});
            click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabFloppy"));
        }
        QCOMPARE(onMedium(), QStringList());
        QCOMPARE(m_run->endStatuses(), QList<int>());

        // A plain backup, then a protected one: only the sealed copy stays.
        backUp(QStringLiteral("")); // both boxes left empty
        QCOMPARE(onMedium(), plainFiles);
        const auto backedUp = tablesOf(floppy.path());
        backUp(QStringLiteral("Segreta 1"));
        QCOMPARE(onMedium(), QStringList{QStringLiteral("giudizi-copia.gcz")});
        QCOMPARE(m_run->endStatuses(), (QList<int>{0, 0}));
        QFile sealed(floppy.filePath(QStringLiteral("giudizi-copia.gcz")));
        QVERIFY(sealed.open(QIODevice::ReadOnly));
        const QByteArray bytes = sealed.readAll();
        sealed.close();
        QVERIFY(!bytes.contains("ROSSI MARIO")); // nothing readable on the stick

        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        saveText(QStringLiteral("Dopo la copia protetta"));
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdmenù"));
        const auto before = tablesOf(QStringLiteral("pergiudix"));
        const QString medium = QStringLiteral("La copia di sicurezza in %1")
                                   .arg(QDir::toNativeSeparators(floppy.path()));
        const QString refused =
            QStringLiteral("La copia non si apre: password sbagliata o copia danneggiata.");
        // A wrong passphrase, a cut copy, one changed byte: refused, nothing changed.
        m_passphrases = QStringList{QStringLiteral("sbagliata")};
        QCOMPARE(restoreAnswering(medium, {}).value(2), refused);
        QVERIFY(sealed.open(QIODevice::WriteOnly));
        sealed.write(bytes.left(bytes.size() - 100));
        sealed.close();
        m_passphrases = QStringList{QStringLiteral("Segreta 1")};
        QCOMPARE(restoreAnswering(medium, {}).value(2), refused);
        QByteArray changed = bytes;
        changed[changed.size() / 2] = char(changed.at(changed.size() / 2) ^ 0x01);
        QVERIFY(sealed.open(QIODevice::WriteOnly));
        sealed.write(changed);
        sealed.close();
        m_passphrases = QStringList{QStringLiteral("Segreta 1")};
        QCOMPARE(restoreAnswering(medium, {}).value(2), refused);
        QCOMPARE(tablesOf(QStringLiteral("pergiudix")), before);
        QCOMPARE(m_run->endStatuses(), (QList<int>{0, 0}));

        // The right passphrase on the whole copy: the tables of the backup come back.
        QVERIFY(sealed.open(QIODevice::WriteOnly));
        sealed.write(bytes);
        sealed.close();
        m_passphrases = QStringList{QStringLiteral("Segreta 1")};
        const QStringList said = restoreAnswering(medium, {QMessageBox::Yes, QMessageBox::Ok});
        QVERIFY2(said.value(2).startsWith(QStringLiteral("Ripristino la copia del ")),
                 qPrintable(said.join('|')));
        QCOMPARE(m_run->endStatuses(), (QList<int>{0, 0, 0}));
        QCOMPARE(tablesOf(QStringLiteral("pergiudix")), backedUp);

        // A plain backup after the protected one removes the sealed copy.
        QVERIFY(startApplication());
        startAndEnter();
        chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
        backUp(QStringLiteral("")); // both boxes left empty
        QCOMPARE(onMedium(), plainFiles);
    }

    void copiesThatFailTheirCheckAreRefused()
    {
        setToday(kFirstDay);
        archiveWithPupil();
        saveText(QStringLiteral("Testo 1")); // an automatic copy of the day
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdmenù"));
        const auto before = tablesOf(QStringLiteral("pergiudix"));
        QTemporaryDir other;
        m_otherFolder = other.path();
        const QString otherFolder = QStringLiteral("Un'altra cartella…");

        // A damaged archive file.
        for (const char* file : {"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"})
            QVERIFY(QFile::copy(QStringLiteral("pergiudix/") + file, other.filePath(file)));
        damage(other.filePath("Valutazioni.mdb"));
        QStringList said = restoreAnswering(otherFolder, {});
        QCOMPARE(said.value(1), QStringLiteral("Questa copia non si può ripristinare. Il file "
                                               "Valutazioni.mdb della copia è danneggiato.\n"
                                               "L'archivio non è stato cambiato."));
        // SQLite files of another program under the same names.
        for (const char* file : {"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"}) {
            QFile::remove(other.filePath(file));
            {
                QSqlDatabase db =
                    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("f"));
                db.setDatabaseName(other.filePath(file));
                QVERIFY(db.open());
                QSqlQuery(db).exec(QStringLiteral("CREATE TABLE ricette (nome TEXT)"));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("f"));
        }
        said = restoreAnswering(otherFolder, {});
        QVERIFY2(said.value(1).contains(QStringLiteral("non è di questo programma: manca la "
                                                       "tabella giudizi")),
                 qPrintable(said.value(1)));
        // A folder without the files.
        for (const char* file : {"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"})
            QFile::remove(other.filePath(file));
        said = restoreAnswering(otherFolder, {});
        QVERIFY(said.value(1).contains(QStringLiteral("Nella copia manca il file")));

        // A sound automatic copy whose copy into the data folder comes out
        // damaged, then one whose placing fails halfway: put back each time.
        const QString daily = QStringLiteral("Copia automatica del 12/01/2026");
        setCopyWrittenHook([](const QString& copy) {
            if (copy.contains(QStringLiteral(".ripristino.tmp")))
                damage(copy);
        });
        said = restoreAnswering(daily, {QMessageBox::Yes, QMessageBox::Ok});
        QVERIFY2(said.value(2).startsWith(QStringLiteral("Il ripristino non è riuscito.")),
                 qPrintable(said.join('|')));
        QCOMPARE(tablesOf(QStringLiteral("pergiudix")), before);
        setCopyWrittenHook({});
        restore::setRenameHook([](int index, bool undoing) { return undoing || index != 1; });
        said = restoreAnswering(daily, {QMessageBox::Yes, QMessageBox::Ok});
        QVERIFY(said.value(2).startsWith(QStringLiteral("Il ripristino non è riuscito.")));
        QCOMPARE(tablesOf(QStringLiteral("pergiudix")), before);
        QCOMPARE(m_run->endStatuses(), QList<int>());
        // The program goes on with its archive.
        click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labstampa"));
        saveText(QStringLiteral("Ancora qui"));
        const auto stillHere = tablesOf(QStringLiteral("pergiudix"));

        // Even putting the files back fails: nothing is renamed under the open
        // archive; the program ends and its next start puts them back.
        click(QStringLiteral("Farchiv2"), QStringLiteral("cmdmenù"));
        restore::setRenameHook([](int index, bool) { return index != 1; });
        said = restoreAnswering(daily, {QMessageBox::Yes, QMessageBox::Ok});
        QVERIFY2(said.value(2).contains(QStringLiteral("al prossimo avvio")),
                 qPrintable(said.value(2)));
        QCOMPARE(m_run->endStatuses(), QList<int>{0});
        restore::setRenameHook({});
        QVERIFY(startApplication());
        startAndEnter();
        QCOMPARE(tablesOf(QStringLiteral("pergiudix")), stillHere);
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
            ModalAnswer answers(QList<int>(4, QMessageBox::Ok));
            click(QStringLiteral("Favviogiudix2"), QStringLiteral("LabFloppy"));
            QVERIFY(answers.texts().value(3).startsWith(QStringLiteral("Probabilmente")));
        }
        qunsetenv("GIUDIZI_FLOPPY_DIR");
        QCOMPARE(QDir(floppy.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(m_run->endStatuses(), QList<int>());
    }
};

QTEST_MAIN(TestDataSafety)
#include "tst_data_safety.moc"
