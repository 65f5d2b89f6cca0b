// The names the program already knows, on data entry: the class list read
// from the register's file (fields, encodings, headers, broken lines), the
// names offered while typing, and the import through the window.
#include "data/ArchiveStore.h"
#include "data/Database.h"
#include "data/KnownPupils.h"
#include "platform/Colors.h"
#include "shared/ClassListImport.h"
#include "shared/CsvReader.h"
#include "support/SaveDialogs.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTextEdit>

using namespace giudizi;
using namespace giudizi::test;

namespace {
const QString kEntry = QStringLiteral("Fimmissio2");
const QString kYear = QStringLiteral("2024-2025");
const QString kDuplicate =
    QStringLiteral("C'è già, in archivio, un giudizio su questo alunno.\n\r Se intendi "
                   "MODIFICARLO/SOSTITUIRLO clicca su SI'\n\rSe vuoi conservarlo e aggiungerne "
                   "uno NUOVO, clicca su NO");

QByteArray utf8Bom(const QString& text)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QStringList namesOf(const QList<KnownPupil>& pupils)
{
    QStringList names;
    for (const KnownPupil& pupil : pupils)
        names << pupil.nome;
    return names;
}

// The imported list rows, "NAME class section year sex", by name.
QStringList importedRows()
{
    QSqlQuery q(archiveStore().ArchiveDb->handle());
    q.exec(QStringLiteral("SELECT nome, classe, sezione, anno, sesso FROM elenco ORDER BY nome"));
    QStringList rows;
    while (q.next())
        rows << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString(), q.value(4).toString())
                    .trimmed();
    return rows;
}

void addPupil(const QString& name, int classe, const QString& section, const QString& year,
              int term = 1)
{
    QVERIFY(addJudgment({{"nome", name},
                         {"sex", "M"},
                         {"scuola", "Medie"},
                         {"classe", classe},
                         {"sezione", section},
                         {"anno", year},
                         {"quadrimestre", term}}) > 0);
}

QLineEdit* nameBox()
{
    return find<QLineEdit>(kEntry, QStringLiteral("Text1"));
}

// The data entry of Scuola Media, reached as a teacher does, on a class.
void openEntry(const QString& classe, const QString& section, const QString& year)
{
    chooseStart(QStringLiteral("Flessibile"), QStringLiteral("Medie"), 0);
    click(QStringLiteral("Favviogiudix2"), QStringLiteral("Labprimo"));
    click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdsuccessivo"));
    QVERIFY(isShown(kEntry));
    find<QComboBox>(kEntry, QStringLiteral("Combo1"))->setEditText(classe);
    find<QComboBox>(kEntry, QStringLiteral("Combo2"))->setEditText(section);
    find<QComboBox>(kEntry, QStringLiteral("Combo3"))->setEditText(year);
}

// Types `fragment` into the empty name box: the names the popup offers.
QStringList offeredFor(const QString& fragment)
{
    QLineEdit* box = nameBox();
    box->clear();
    // The teacher types into the window in front, in the name box.
    box->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(box->window()))
        qFatal("the data entry window cannot be activated");
    box->setFocus();
    typeInto(box, fragment);
    QCompleter* completer = box->completer();
    QStringList offered;
    if (!completer->popup()->isVisible())
        return offered;
    for (int r = 0; r < completer->completionModel()->rowCount(); ++r)
        offered << completer->completionModel()->index(r, 0).data().toString();
    return offered;
}

// Chooses the offered name with the arrow keys and Enter (which must not
// confirm the screen as well: no message comes up).
void pickOffered(const QString& name)
{
    QAbstractItemView* popup = nameBox()->completer()->popup();
    QVERIFY(popup->isVisible());
    for (int r = 0; r < popup->model()->rowCount(); ++r) {
        QTest::keyClick(popup, Qt::Key_Down);
        if (popup->currentIndex().data().toString() == name) {
            QTest::keyClick(popup, Qt::Key_Return);
            QVERIFY(!popup->isVisible());
            return;
        }
    }
    QFAIL(qPrintable(name + QStringLiteral(" not offered")));
}

bool chosen(const QString& label)
{
    return background(findControl(kEntry, label)) == colors::sexChosen;
}

QString writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = QDir::current().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

int judgmentCount()
{
    return archiveRows().size();
}

} // namespace

class TestClassNames : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { m_run.reset(); }

    // Fields between quotes keep separators, line ends and doubled quotes.
    void csvFieldsFollowTheQuotes()
    {
        const CsvContent split =
            splitCsv(u"a;\"b;c\";\"d\"\"e\"\r\n\"f\ng\";h;\r\n;;", QLatin1Char(';'));
        QVERIFY(split.ok());
        QCOMPARE(split.records.size(), 3);
        QCOMPARE(split.records.at(0).fields, (QStringList{"a", "b;c", "d\"e"}));
        QCOMPARE(split.records.at(1).fields, (QStringList{"f\ng", "h", ""}));
        QCOMPARE(split.records.at(1).line, 2);
        QCOMPARE(split.records.at(2).line, 4); // the quoted line end counted
        QCOMPARE(split.records.at(2).fields, (QStringList{"", "", ""}));
        QCOMPARE(splitCsv(u"x\ty,z", QChar()).records.at(0).fields, QStringList{"x\ty,z"});
    }

    void csvBrokenQuotesNameTheirLine()
    {
        QCOMPARE(splitCsv(u"a;b\nc;d\n\"e;f\ng;h\n", QLatin1Char(';')).errorLine, 3);
        QCOMPARE(splitCsv(u"a;b\n\"c\"x;d\n", QLatin1Char(';')).errorLine, 2);
    }

    void separatorFromTheHeader()
    {
        QCOMPARE(detectSeparator(u"Cognome;Nome;Sesso"), QLatin1Char(';'));
        QCOMPARE(detectSeparator(u"Cognome\tNome, detto"), QLatin1Char('\t'));
        QCOMPARE(detectSeparator(u"Cognome,Nome"), QLatin1Char(','));
        QCOMPARE(detectSeparator(u"\"Cognome; e nome\",Sesso"), QLatin1Char(','));
        QVERIFY(detectSeparator(u"Alunno").isNull());
    }

    // UTF-8 with or without its mark; other bytes are Windows-1252.
    void encodings()
    {
        QCOMPARE(decodeClassListText(utf8Bom(QStringLiteral("NICOLÒ"))), QStringLiteral("NICOLÒ"));
        QCOMPARE(decodeClassListText(QStringLiteral("Nicolò").toUtf8()), QStringLiteral("Nicolò"));
        QCOMPARE(decodeClassListText(QByteArrayLiteral("NICOL\xD2 \x80")),
                 QStringLiteral("NICOLÒ €"));
    }

    void headersAndSexes()
    {
        const ClassListFile two =
            parseClassList("\"Nr\";\" COGNOME \";nome;Sesso\n1;d'angelo;sara;f\n2;Rossi;Mario ;M\n"
                           "3;Bianchi;Anna;x\n4;rossi; mario;M\n\n");
        QVERIFY2(two.ok(), qPrintable(two.error));
        QCOMPARE(namesOf(two.pupils),
                 (QStringList{"D'ANGELO SARA", "ROSSI MARIO", "BIANCHI ANNA"}));
        QCOMPARE(two.pupils.at(0).sesso, QStringLiteral("F"));
        QCOMPARE(two.pupils.at(1).sesso, QStringLiteral("M"));
        QCOMPARE(two.pupils.at(2).sesso, QString());

        const ClassListFile one = parseClassList("Cognome e nome\n  Verdi Luca \nNeri Eva\n");
        QVERIFY2(one.ok(), qPrintable(one.error));
        QCOMPARE(namesOf(one.pupils), (QStringList{"VERDI LUCA", "NERI EVA"}));
        QCOMPARE(one.pupils.at(0).sesso, QString());
        QCOMPARE(namesOf(parseClassList("Classe,Alunno\n2B,\"Gallo, Ugo\"\n").pupils),
                 QStringList{"GALLO, UGO"});
    }

    void brokenFilesSayWhy()
    {
        QVERIFY(parseClassList("Classe;Voto\n2B;8\n").error.startsWith(QStringLiteral("Riga 1:")));
        QVERIFY(parseClassList("Cognome;Sesso\nRossi;M\n").error.startsWith("Riga 1:"));
        const ClassListFile fields = parseClassList("Cognome;Nome\nRossi;Mario\nBianchi\nNeri;Eva");
        QVERIFY(fields.error.startsWith(QStringLiteral("Riga 3: il numero dei campi (1)")));
        QVERIFY(fields.pupils.isEmpty());
        QVERIFY(parseClassList("Alunno;Sesso\nRossi;M\n\"Neri;F\nBianchi;F\n")
                    .error.startsWith(QStringLiteral("Riga 3:")));
        QVERIFY(!parseClassList("Alunno\n\n").ok());
        QVERIFY(!parseClassList("").ok());
        QVERIFY(!readClassList(QStringLiteral("/nessuna/cartella/elenco.csv")).ok());
    }

    // A class's names, case aside in section and year; the whole year when the
    // class has none; an imported list adds its names with their sex.
    void knownNamesOfAClass()
    {
        m_run = std::make_unique<ProgramRun>();
        Database& archive = *archiveStore().ArchiveDb;
        addPupil("ROSSI MARIO", 2, "B", kYear);
        addPupil("ROSSI MARIO", 2, "B", kYear, 2);
        addPupil("BIANCHI ANNA", 2, "b", kYear);
        addPupil("VERDI LUCA", 3, "B", kYear);
        addPupil("NERI EVA", 2, "B", "2023-2024");
        QCOMPARE(namesOf(knownPupils(archive, {2, "B", kYear})),
                 (QStringList{"BIANCHI ANNA", "ROSSI MARIO"}));
        QCOMPARE(namesOf(knownPupils(archive, {1, "B", kYear})),
                 (QStringList{"BIANCHI ANNA", "ROSSI MARIO", "VERDI LUCA"}));
        QVERIFY(knownPupils(archive, {1, "A", "2030-2031"}).isEmpty());

        replaceClassList(archive, {2, "B", kYear}, {{"ROSSI MARIO", "M"}, {"GALLO UGO", ""}});
        const QList<KnownPupil> merged = knownPupils(archive, {2, "b", kYear});
        QCOMPARE(namesOf(merged), (QStringList{"BIANCHI ANNA", "GALLO UGO", "ROSSI MARIO"}));
        QCOMPARE(merged.at(2).sesso, QStringLiteral("M"));
        replaceClassList(archive, {2, "b", kYear}, {{"MORO IDA", "F"}});
        QCOMPARE(importedRows(), QStringList{"MORO IDA 2 b 2024-2025 F"});
        QCOMPARE(judgmentCount(), 5);
    }

    // The class's names offered by a middle fragment, case aside; the one
    // picked is then checked for a duplicate as a typed name would be.
    void completionOffersTheClass()
    {
        m_run = std::make_unique<ProgramRun>();
        addPupil("ROSSI MARIO", 2, "B", kYear);
        addPupil("ROSSINI ADA", 2, "B", kYear);
        addPupil("BIANCHI ANNA", 2, "B", kYear);
        addPupil("ROSSO PIO", 3, "B", kYear);
        addPupil("GROSSI LEA", 2, "B", "2023-2024");
        openEntry("2", "B", kYear);
        QCOMPARE(nameBox()->completer(), window(kEntry)->findChild<QCompleter*>());
        QCOMPARE(offeredFor("oSs"), (QStringList{"ROSSI MARIO", "ROSSINI ADA"}));
        QCOMPARE(offeredFor("anna"), QStringList{"BIANCHI ANNA"});

        // Another class with no names yet: the whole year.
        find<QComboBox>(kEntry, QStringLiteral("Combo1"))->setEditText("1");
        QCOMPARE(offeredFor("ross"), (QStringList{"ROSSI MARIO", "ROSSINI ADA", "ROSSO PIO"}));
        find<QComboBox>(kEntry, QStringLiteral("Combo1"))->setEditText("2");

        QCOMPARE(offeredFor("ssi m"), QStringList{"ROSSI MARIO"});
        pickOffered("ROSSI MARIO");
        QCOMPARE(nameBox()->text(), QStringLiteral("ROSSI MARIO"));
        QVERIFY(!chosen("LabM") && !chosen("LabF")); // a judgment's name brings no sex
        click(kEntry, QStringLiteral("LabM"));
        ModalAnswer answer(QMessageBox::No);
        click(kEntry, QStringLiteral("cmdfatto"));
        QCOMPARE(answer.text(), kDuplicate);
        QCOMPARE(judgmentCount(), 6);
        QVERIFY(!isShown(kEntry));
    }

    // A CSV with a byte-order mark and ';': the names, their sex, an
    // apostrophe; stored for the class on screen, no judgment made.
    void importedListIsOffered()
    {
        m_run = std::make_unique<ProgramRun>();
        addPupil("VERDI LUCA", 2, "C", kYear);
        openEntry("2", "C", kYear);
        const QString path =
            writeFile("classe.csv",
                      utf8Bom("Cognome;Nome;Sesso\r\nD'Angelo;Sara;F\r\n\"Rossi\";\"Mario\";M\r\n"
                              "Verdi;Luca;M\r\n"));
        {
            SaveAs answers(path, {QMessageBox::Yes, QMessageBox::Ok});
            click(kEntry, QStringLiteral("cmdImportaElenco"));
            QCOMPARE(answers.messages().size(), 2);
            QVERIFY(answers.messages().at(0).contains("D'ANGELO SARA, ROSSI MARIO, VERDI LUCA."));
            QVERIFY(answers.messages().at(0).contains("classe 2 C, anno scolastico 2024-2025"));
            QCOMPARE(answers.defaultButtons().at(0), int(QMessageBox::No));
        }
        QCOMPARE(importedRows(),
                 (QStringList{"D'ANGELO SARA 2 C 2024-2025 F", "ROSSI MARIO 2 C 2024-2025 M",
                              "VERDI LUCA 2 C 2024-2025 M"}));
        QCOMPARE(judgmentCount(), 1);

        QCOMPARE(offeredFor("angel"), QStringList{"D'ANGELO SARA"});
        pickOffered("D'ANGELO SARA");
        QCOMPARE(nameBox()->text(), QStringLiteral("D'ANGELO SARA"));
        QVERIFY(chosen("LabF") && !chosen("LabM"));
        click(kEntry, QStringLiteral("cmdfatto")); // no judgment yet: no question
        QCOMPARE(judgmentCount(), 2);
        QCOMPARE(archiveRows().at(1).value("nome").toString(), QStringLiteral("D'ANGELO SARA"));
        QCOMPARE(archiveRows().at(1).value("sex").toString(), QStringLiteral("F"));

        // The next pupil: the same name now has a judgment and is asked about.
        typeInto(find<QTextEdit>(QStringLiteral("Fgiudix2"), QStringLiteral("RTextB1")),
                 QStringLiteral("è attent#."));
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdmaiuscole"));
        click(QStringLiteral("Fgiudix2"), QStringLiteral("cmdsuccessivo"));
        QCOMPARE(offeredFor("d'a"), QStringList{"D'ANGELO SARA"});
        pickOffered("D'ANGELO SARA");
        QCOMPARE(nameBox()->text(), QStringLiteral("D'ANGELO SARA"));
        QVERIFY(chosen("LabF"));
        ModalAnswer answer(QMessageBox::Yes);
        click(kEntry, QStringLiteral("cmdfatto"));
        QCOMPARE(answer.text(), kDuplicate);
        QCOMPARE(judgmentCount(), 2);
    }

    // A tab-separated Windows-1252 list with one "Alunno" column, then a
    // second import of the same class: it replaces the first.
    void importedAgainReplaces()
    {
        m_run = std::make_unique<ProgramRun>();
        openEntry("3", "A", kYear);
        const QString path = writeFile(
            "classe.txt", QByteArrayLiteral("N.\tAlunno\tSesso\n1\tBRUNO NICOL\xD2\tM\n"
                                            "2\tFerr\xE0 Ir\xE8ne\tF\n3\tCOST\xC0 G\xD9\t\n"));
        {
            SaveAs answers(path, {QMessageBox::Yes, QMessageBox::Ok});
            click(kEntry, QStringLiteral("cmdImportaElenco"));
        }
        QCOMPARE(importedRows(),
                 (QStringList{"BRUNO NICOLÒ 3 A 2024-2025 M", "COSTÀ GÙ 3 A 2024-2025",
                              "FERRÀ IRÈNE 3 A 2024-2025 F"}));
        QCOMPARE(offeredFor("nicolò"), QStringList{"BRUNO NICOLÒ"});

        const QString again = writeFile("nuovo.csv", "Cognome,Nome\nBruno,Nicolò\nSala,Elio\n");
        {
            SaveAs answers(again, {QMessageBox::Yes, QMessageBox::Ok});
            click(kEntry, QStringLiteral("cmdImportaElenco"));
        }
        QCOMPARE(importedRows(),
                 (QStringList{"BRUNO NICOLÒ 3 A 2024-2025", "SALA ELIO 3 A 2024-2025"}));
        QCOMPARE(judgmentCount(), 0);
    }

    // A file with no name column, one broken on line 3, or a list the
    // teacher declines: a message or nothing, and nothing stored.
    void refusedImportsStoreNothing()
    {
        m_run = std::make_unique<ProgramRun>();
        openEntry("1", "A", kYear);
        const auto import = [](const QString& path, int answer) {
            SaveAs answers(path, {answer});
            click(kEntry, QStringLiteral("cmdImportaElenco"));
            return answers.messages();
        };
        const QStringList noName =
            import(writeFile("a.csv", "Classe;Voto\n1A;8\n"), QMessageBox::Ok);
        QCOMPARE(noName.size(), 1);
        QVERIFY(noName.at(0).startsWith(QStringLiteral("Riga 1: non trovo la colonna dei nomi")));
        const QStringList broken =
            import(writeFile("b.csv", "Cognome;Nome\nRossi;Mario\nBianchi;Anna;F\nNeri;Eva\n"),
                   QMessageBox::Ok);
        QCOMPARE(broken.size(), 1);
        QVERIFY(broken.at(0).startsWith(QStringLiteral("Riga 3: ")));
        QVERIFY(broken.at(0).contains(QStringLiteral("non ho registrato nessun nome")));
        const QStringList quote = import(
            writeFile("c.csv", "Alunno\nRossi Mario\n\"Bianchi Anna\nNeri Eva\n"), QMessageBox::Ok);
        QVERIFY(quote.value(0).startsWith(QStringLiteral("Riga 3: ")));
        const QStringList declined =
            import(writeFile("d.csv", "Alunno\nRossi Mario\n"), QMessageBox::No);
        QCOMPARE(declined.size(), 1);
        QVERIFY(declined.at(0).contains(QStringLiteral("ROSSI MARIO")));
        QVERIFY(importedRows().isEmpty());
        QVERIFY(offeredFor("rossi").isEmpty());
        QCOMPARE(judgmentCount(), 0);
    }

private:
    std::unique_ptr<ProgramRun> m_run;
};

QTEST_MAIN(TestClassNames)
#include "tst_class_names.moc"
