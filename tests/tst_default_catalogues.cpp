// Checks the descriptor catalogues that a brand-new data folder receives: the
// shape the composition screens rely on, and the writing conventions the
// saved judgment depends on (gender markers, capitals, final periods).

#include "data/DataFolder.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVector>
#include <QtTest>

namespace {

const QString kConnection = QStringLiteral("tst_default_catalogues");

const QStringList kFlexibleAreas = {QStringLiteral("socioaffettiv"),
                                    QStringLiteral("responsabilit"), QStringLiteral("cognitivA"),
                                    QStringLiteral("cognitivB")};

const QStringList kRigidTables = {QStringLiteral("classeAq1"), QStringLiteral("classeAq2"),
                                  QStringLiteral("classeBq1"), QStringLiteral("classeBq2")};

// Aspect titles in tipo order (tipo 1 is the first).
const QStringList kAspectTitles = {
    QStringLiteral("Comportamento"), QStringLiteral("Partecipazione"),
    QStringLiteral("Impegno"),       QStringLiteral("Autonomia"),
    QStringLiteral("Espressione"),   QStringLiteral("Apprendimento"),
    QStringLiteral("Metodo"),        QStringLiteral("Rielaborazione"),
    QStringLiteral("Giudizio"),      QStringLiteral("Profitto")};

QStringList flexibleTables()
{
    QStringList tables;
    for (const QString& area : kFlexibleAreas)
        for (int term = 1; term <= 3; ++term)
            tables << area + QString::number(term);
    return tables;
}

struct FlexibleRow {
    int ordine = 0;
    QString text;
};

struct RigidRow {
    int tipo = 0;
    int ordine = 0;
    QString indicatore;
    QVariant inizio;
    QVariant area;
};

bool isBlank(const QVariant& value)
{
    return value.isNull() || value.toString().trimmed().isEmpty();
}

QString withEnding(QString text, QChar vowel)
{
    return text.replace(QLatin1Char('#'), vowel);
}

// What the flexible save does: a capital at the start and two characters
// after every period.
QString capitalise(QString text)
{
    if (text.isEmpty())
        return text;
    text[0] = text.at(0).toUpper();
    for (int i = 2; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('.'))
            continue;
        const int j = i + 2;
        if (j >= text.size())
            break;
        text[j] = text.at(j).toUpper();
        i = j;
    }
    return text;
}

// Empty when every "#" closes a word; otherwise says where it does not.
QString markerProblem(const QString& text)
{
    static const QString allowedAfter = QStringLiteral(" .,;:");
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('#'))
            continue;
        if (i == 0 || !text.at(i - 1).isLetter())
            return QStringLiteral("'#' not preceded by a letter at %1 in \"%2\"").arg(i).arg(text);
        if (i + 1 < text.size() && !allowedAfter.contains(text.at(i + 1)))
            return QStringLiteral("'#' inside a word at %1 in \"%2\"").arg(i).arg(text);
    }
    return {};
}

// Every sentence of a composed text must open with a capital: the rigid model
// adds none, so the opening words must carry it.
QString uncapitalisedSentence(const QString& text)
{
    if (!text.isEmpty() && !text.at(0).isUpper())
        return text.left(40);
    for (int i = 0; i + 2 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('.') && text.at(i + 1) == QLatin1Char(' ') &&
            !text.at(i + 2).isUpper())
            return text.mid(i + 2, 40);
    }
    return {};
}

} // namespace

class TestDefaultCatalogues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void tableFilled_data();
    void tableFilled();
    void flexibleOrder_data();
    void flexibleOrder();
    void flexiblePhraseForm_data();
    void flexiblePhraseForm();
    void rigidAspect_data();
    void rigidAspect();
    void rigidPhraseForm_data();
    void rigidPhraseForm();
    void noRepeatedPhrase_data();
    void noRepeatedPhrase();
    void genderMarkers_data();
    void genderMarkers();
    void composedRigidSample_data();
    void composedRigidSample();
    void composedFlexibleSample_data();
    void composedFlexibleSample();

private:
    QSqlDatabase db() const { return QSqlDatabase::database(kConnection, false); }
    QVector<FlexibleRow> flexibleRows(const QString& table) const;
    QVector<RigidRow> rigidRows(const QString& table) const;
    // Every text a teacher can see from `table`: phrases, opening words, titles.
    QStringList visibleTexts(const QString& table) const;

    static void addFlexibleTables();
    static void addRigidTables();
    static void addAllTables();

    QTemporaryDir m_dir;
};

void TestDefaultCatalogues::initTestCase()
{
    QVERIFY2(m_dir.isValid(), qPrintable(m_dir.errorString()));
    const QString folder = m_dir.filePath(QStringLiteral("pergiudix"));
    QString error;
    QVERIFY2(giudizi::createDataFolder(folder, &error), qPrintable(error));

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    database.setDatabaseName(folder + QStringLiteral("/DBgiudix2.mdb"));
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    QVERIFY2(database.open(), qPrintable(database.lastError().text()));
}

void TestDefaultCatalogues::cleanupTestCase()
{
    {
        QSqlDatabase database = db();
        database.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
}

QVector<FlexibleRow> TestDefaultCatalogues::flexibleRows(const QString& table) const
{
    QVector<FlexibleRow> rows;
    QSqlQuery query(db());
    if (!query.exec(
            QStringLiteral("SELECT ordine, descrittori FROM %1 ORDER BY ordine").arg(table)))
        qWarning() << table << query.lastError().text();
    while (query.next())
        rows.append({query.value(0).toInt(), query.value(1).toString()});
    return rows;
}

QVector<RigidRow> TestDefaultCatalogues::rigidRows(const QString& table) const
{
    QVector<RigidRow> rows;
    QSqlQuery query(db());
    if (!query.exec(QStringLiteral("SELECT tipo, ordine, indicatore, inizio, area FROM %1 "
                                   "ORDER BY tipo, ordine")
                        .arg(table)))
        qWarning() << table << query.lastError().text();
    while (query.next()) {
        rows.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                     query.value(3), query.value(4)});
    }
    return rows;
}

QStringList TestDefaultCatalogues::visibleTexts(const QString& table) const
{
    QStringList texts;
    if (kRigidTables.contains(table)) {
        for (const RigidRow& row : rigidRows(table)) {
            texts << row.indicatore;
            if (!isBlank(row.inizio))
                texts << row.inizio.toString();
            if (!isBlank(row.area))
                texts << row.area.toString();
        }
    } else {
        for (const FlexibleRow& row : flexibleRows(table))
            texts << row.text;
    }
    return texts;
}

void TestDefaultCatalogues::addFlexibleTables()
{
    QTest::addColumn<QString>("table");
    for (const QString& table : flexibleTables())
        QTest::newRow(qPrintable(table)) << table;
}

void TestDefaultCatalogues::addRigidTables()
{
    QTest::addColumn<QString>("table");
    for (const QString& table : kRigidTables)
        QTest::newRow(qPrintable(table)) << table;
}

void TestDefaultCatalogues::addAllTables()
{
    QTest::addColumn<QString>("table");
    for (const QString& table : flexibleTables() + kRigidTables)
        QTest::newRow(qPrintable(table)) << table;
}

void TestDefaultCatalogues::tableFilled_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("minRows");
    QTest::addColumn<int>("maxRows");
    for (const QString& table : flexibleTables())
        QTest::newRow(qPrintable(table)) << table << 12 << 20;
    // Ten aspects of four to seven descriptors each.
    for (const QString& table : kRigidTables)
        QTest::newRow(qPrintable(table)) << table << 40 << 70;
}

void TestDefaultCatalogues::tableFilled()
{
    QFETCH(QString, table);
    QFETCH(int, minRows);
    QFETCH(int, maxRows);
    QVERIFY2(db().tables().contains(table), qPrintable(table + QStringLiteral(" missing")));

    QSqlQuery query(db());
    QVERIFY2(query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)),
             qPrintable(query.lastError().text()));
    QVERIFY(query.next());
    const int count = query.value(0).toInt();
    QVERIFY2(count >= minRows && count <= maxRows,
             qPrintable(QStringLiteral("%1 has %2 rows").arg(table).arg(count)));
}

void TestDefaultCatalogues::flexibleOrder_data()
{
    addFlexibleTables();
}

void TestDefaultCatalogues::flexibleOrder()
{
    QFETCH(QString, table);
    const QVector<FlexibleRow> rows = flexibleRows(table);
    QVERIFY(!rows.isEmpty());
    // Read in ascending ordine, the numbers must run 0, 1, 2, ... with no gap
    // and no repeat, as the editor's renumbering leaves them.
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rows.at(i).ordine, i);
}

void TestDefaultCatalogues::flexiblePhraseForm_data()
{
    addFlexibleTables();
}

void TestDefaultCatalogues::flexiblePhraseForm()
{
    QFETCH(QString, table);
    for (const FlexibleRow& row : flexibleRows(table)) {
        const QString& text = row.text;
        const QByteArray where =
            (table + QStringLiteral(": \"") + text + QLatin1Char('"')).toUtf8();
        QVERIFY2(!text.isEmpty(), where.constData());
        QVERIFY2(text == text.trimmed(), where.constData());
        QVERIFY2(!text.contains(QStringLiteral("  ")), where.constData());
        // Saving capitalises the sentences; a capital stored here would also
        // show after a comma or a connective.
        QVERIFY2(text.at(0).isLower(), where.constData());
        // The teacher adds the punctuation by clicking it.
        const QChar last = text.at(text.size() - 1);
        QVERIFY2(last != QLatin1Char('.') && last != QLatin1Char(',') && last != QLatin1Char(';'),
                 where.constData());
    }
}

void TestDefaultCatalogues::rigidAspect_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("title");
    for (const QString& table : kRigidTables) {
        for (int tipo = 1; tipo <= kAspectTitles.size(); ++tipo) {
            const QString name = QStringLiteral("%1 tipo %2").arg(table).arg(tipo);
            QTest::newRow(qPrintable(name)) << table << tipo << kAspectTitles.at(tipo - 1);
        }
    }
}

void TestDefaultCatalogues::rigidAspect()
{
    QFETCH(QString, table);
    QFETCH(int, tipo);
    QFETCH(QString, title);

    QVector<RigidRow> rows;
    for (const RigidRow& row : rigidRows(table))
        if (row.tipo == tipo)
            rows.append(row);
    QVERIFY2(rows.size() >= 4 && rows.size() <= 7,
             qPrintable(QStringLiteral("%1 descriptors").arg(rows.size())));

    for (int i = 0; i < rows.size(); ++i) {
        const RigidRow& row = rows.at(i);
        QCOMPARE(row.ordine, i);
        if (i == 0) {
            QCOMPARE(row.area.toString(), title);
            QVERIFY2(!isBlank(row.inizio), "the title row has no opening words");
        } else {
            const QByteArray where = row.indicatore.toUtf8();
            QVERIFY2(isBlank(row.area), where.constData());
            QVERIFY2(isBlank(row.inizio), where.constData());
        }
    }
}

void TestDefaultCatalogues::rigidPhraseForm_data()
{
    addRigidTables();
}

void TestDefaultCatalogues::rigidPhraseForm()
{
    QFETCH(QString, table);
    const QVector<RigidRow> rows = rigidRows(table);
    QVERIFY(!rows.isEmpty());
    for (const RigidRow& row : rows) {
        const QString& text = row.indicatore;
        const QByteArray where =
            (table + QStringLiteral(": \"") + text + QLatin1Char('"')).toUtf8();
        QVERIFY2(row.tipo >= 1 && row.tipo <= kAspectTitles.size(), where.constData());
        QVERIFY2(!text.isEmpty() && text == text.trimmed(), where.constData());
        QVERIFY2(!text.contains(QStringLiteral("  ")), where.constData());
        // A descriptor carries on the opening words and closes the sentence.
        QVERIFY2(text.at(0).isLower(), where.constData());
        QVERIFY2(text.endsWith(QLatin1Char('.')) && !text.endsWith(QStringLiteral("..")),
                 where.constData());

        if (isBlank(row.inizio))
            continue;
        const QString start = row.inizio.toString();
        const QByteArray startWhere =
            (table + QStringLiteral(": \"") + start + QLatin1Char('"')).toUtf8();
        QVERIFY2(start == start.trimmed(), startWhere.constData());
        QVERIFY2(!start.contains(QStringLiteral("  ")), startWhere.constData());
        QVERIFY2(start.at(0).isUpper(), startWhere.constData());
        // The descriptor follows after one blank, so the opening words stop at a
        // word (possibly its gender marker), never at a mark.
        const QChar end = start.at(start.size() - 1);
        QVERIFY2(end.isLetter() || end == QLatin1Char('#'), startWhere.constData());
    }
}

void TestDefaultCatalogues::noRepeatedPhrase_data()
{
    addAllTables();
}

void TestDefaultCatalogues::noRepeatedPhrase()
{
    QFETCH(QString, table);
    // The editor finds the row to delete by its text, so a phrase may stand only
    // once in its table, whatever the aspect.
    QStringList phrases;
    if (kRigidTables.contains(table)) {
        for (const RigidRow& row : rigidRows(table))
            phrases << row.indicatore;
    } else {
        for (const FlexibleRow& row : flexibleRows(table))
            phrases << row.text;
    }
    QVERIFY(!phrases.isEmpty());
    QSet<QString> seen;
    for (const QString& phrase : phrases) {
        const QString key = phrase.simplified().toLower();
        QVERIFY2(!seen.contains(key), qPrintable(table + QStringLiteral(": ") + phrase));
        seen.insert(key);
    }
}

void TestDefaultCatalogues::genderMarkers_data()
{
    addAllTables();
}

void TestDefaultCatalogues::genderMarkers()
{
    QFETCH(QString, table);
    // Articles and prepositions whose feminine is not made by swapping the
    // last vowel.
    static const QRegularExpression markedArticle(
        QStringLiteral("\\b(?:un|del|al|dal|nel|sul|col|su|il)#"),
        QRegularExpression::UseUnicodePropertiesOption);
    // Adjectives that are the same for a boy and a girl.
    static const QRegularExpression markedInvariable(
        QStringLiteral("\\b(?:disponibil|vivac|capac|responsabil|gentil|puntual|sensibil|costant|"
                       "partecip|consapevol|socievol|cortes|superficial|dipendent|brillant)#"),
        QRegularExpression::UseUnicodePropertiesOption);

    const QStringList texts = visibleTexts(table);
    QVERIFY(!texts.isEmpty());
    for (const QString& text : texts) {
        const QByteArray where =
            (table + QStringLiteral(": \"") + text + QLatin1Char('"')).toUtf8();
        const QString problem = markerProblem(text);
        QVERIFY2(problem.isEmpty(), problem.toUtf8().constData());
        for (const char* form : {"o/a", "/a", "/o", "(a)", "(o)"})
            QVERIFY2(!text.contains(QLatin1String(form)), where.constData());
        QVERIFY2(!markedArticle.match(text).hasMatch(), where.constData());
        QVERIFY2(!markedInvariable.match(text).hasMatch(), where.constData());
    }
}

void TestDefaultCatalogues::composedRigidSample_data()
{
    addRigidTables();
}

void TestDefaultCatalogues::composedRigidSample()
{
    QFETCH(QString, table);
    // The best descriptor of every aspect, appended as the rigid screen does.
    QString text;
    int aspects = 0;
    for (const RigidRow& row : rigidRows(table)) {
        if (row.ordine != 0)
            continue;
        text += row.inizio.toString() + QLatin1Char(' ') + row.indicatore + QLatin1Char(' ');
        ++aspects;
    }
    QCOMPARE(aspects, kAspectTitles.size());

    for (const QChar vowel : {QLatin1Char('o'), QLatin1Char('a')}) {
        const QString judgment = withEnding(text, vowel);
        const QByteArray where = judgment.toUtf8();
        QVERIFY2(!judgment.contains(QLatin1Char('#')), where.constData());
        QVERIFY2(!judgment.trimmed().contains(QStringLiteral("  ")), where.constData());
        QVERIFY2(!judgment.contains(QStringLiteral(" .")) &&
                     !judgment.contains(QStringLiteral(" ,")),
                 where.constData());
        const QString lower = uncapitalisedSentence(judgment);
        QVERIFY2(lower.isEmpty(), lower.toUtf8().constData());
        QCOMPARE(judgment.count(QStringLiteral(". ")), aspects);
        qInfo().noquote() << table << (vowel == QLatin1Char('o') ? "(M):" : "(F):")
                          << judgment.trimmed();
    }
}

void TestDefaultCatalogues::composedFlexibleSample_data()
{
    QTest::addColumn<int>("term");
    for (int term = 1; term <= 3; ++term)
        QTest::newRow(qPrintable(QStringLiteral("term %1").arg(term))) << term;
}

void TestDefaultCatalogues::composedFlexibleSample()
{
    QFETCH(int, term);
    // The first phrase of each area, joined as the screen joins clicks: a
    // phrase adds itself and a blank, a mark sits against the previous word.
    const QStringList marks = {QStringLiteral(","), QStringLiteral("."), QStringLiteral(";"),
                               QStringLiteral(".")};
    QString text;
    for (int area = 0; area < kFlexibleAreas.size(); ++area) {
        const QVector<FlexibleRow> rows =
            flexibleRows(kFlexibleAreas.at(area) + QString::number(term));
        QVERIFY(!rows.isEmpty());
        text += rows.first().text + QLatin1Char(' ');
        text = text.trimmed() + marks.at(area) + QLatin1Char(' ');
    }

    for (const QChar vowel : {QLatin1Char('o'), QLatin1Char('a')}) {
        const QString judgment = withEnding(capitalise(text), vowel);
        const QByteArray where = judgment.toUtf8();
        QVERIFY2(!judgment.contains(QLatin1Char('#')), where.constData());
        QVERIFY2(!judgment.trimmed().contains(QStringLiteral("  ")), where.constData());
        const QString lower = uncapitalisedSentence(judgment);
        QVERIFY2(lower.isEmpty(), lower.toUtf8().constData());
        qInfo().noquote() << QStringLiteral("term %1").arg(term)
                          << (vowel == QLatin1Char('o') ? "(M):" : "(F):") << judgment.trimmed();
    }
}

QTEST_GUILESS_MAIN(TestDefaultCatalogues)
#include "tst_default_catalogues.moc"
