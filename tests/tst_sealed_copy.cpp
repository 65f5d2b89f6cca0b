// The encrypted copy: what goes in comes out byte for byte, and a wrong
// passphrase, a cut, a changed byte, bad limits or bad names all give the one
// message and leave nothing behind. Most cases use a fixed key; the
// passphrase path runs Argon2id for real.
#include "data/SealedCopy.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sqlite3.h>

using namespace giudizi;

namespace {

struct FixedKey : SealKey {
    FixedKey()
    {
        for (unsigned i = 0; i < sizeof bytes; ++i)
            bytes[i] = static_cast<unsigned char>(7 * i + 1);
    }
};

SealHeader interactiveHeader()
{
    SealHeader header;
    header.salt[0] = 42;
    header.opslimit = crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE;
    header.memlimit = crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE;
    return header;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A small SQLite database with `rows` rows of its own text.
void makeDatabase(const QString& path, int rows)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    QString sql = QStringLiteral("CREATE TABLE t(n INTEGER, testo TEXT);");
    for (int i = 0; i < rows; ++i)
        sql += QStringLiteral("INSERT INTO t VALUES(%1, 'riga %1 di %2');").arg(i).arg(path);
    QCOMPARE(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// Everything in `folder`, hidden entries included.
QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray sealToBytes(const QList<SealedFile>& files,
                       const SealHeader& header = interactiveHeader())
{
    QByteArray sealed;
    QBuffer out(&sealed);
    out.open(QIODevice::WriteOnly);
    QString error;
    if (!sealWithKey(files, FixedKey(), header, out, &error))
        qWarning("%s", qPrintable(error));
    return sealed;
}

// Unsealed into a fresh folder: the error (empty on success) and the folder's
// entries afterwards.
QPair<QString, QStringList> unsealBytes(QByteArray bytes, const QString& folder)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QString error;
    QStringList names;
    if (unsealToFolder(in, FixedKey(), folder, &names, &error))
        error.clear();
    return {error, entries(folder)};
}

// A copy written chunk by chunk from the documented format, independently of
// the writer: each chunk is (kind, payload, tag).
struct Chunk {
    unsigned char kind;
    QByteArray payload;
    unsigned char tag = crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
};

QByteArray craftCopy(const QList<Chunk>& chunks)
{
    const FixedKey key;
    QByteArray copy = encodeKeyHeader(interactiveHeader());
    unsigned char streamHeader[crypto_secretstream_xchacha20poly1305_HEADERBYTES];
    crypto_secretstream_xchacha20poly1305_state state;
    crypto_secretstream_xchacha20poly1305_init_push(&state, streamHeader, key.bytes);
    copy.append(reinterpret_cast<const char*>(streamHeader), sizeof streamHeader);
    QByteArray bound = copy;
    for (const Chunk& chunk : chunks) {
        const QByteArray plain = char(chunk.kind) + chunk.payload;
        QByteArray sealed(plain.size() + crypto_secretstream_xchacha20poly1305_ABYTES, '\0');
        QByteArray length(4, '\0');
        qToLittleEndian<quint32>(static_cast<quint32>(sealed.size()), length.data());
        bound += length;
        crypto_secretstream_xchacha20poly1305_push(
            &state, reinterpret_cast<unsigned char*>(sealed.data()), nullptr,
            reinterpret_cast<const unsigned char*>(plain.constData()), plain.size(),
            reinterpret_cast<const unsigned char*>(bound.constData()), bound.size(), chunk.tag);
        bound.clear();
        copy += length + sealed;
    }
    return copy;
}

constexpr unsigned char kFinal = crypto_secretstream_xchacha20poly1305_TAG_FINAL;

} // namespace

class TestSealedCopy : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<SealedFile> m_databases;
    QList<SealedFile> m_small;
    QByteArray m_smallCopy;

    QString freshFolder(const QString& name)
    {
        const QString folder = m_dir.filePath(name);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).mkdir(QStringLiteral("origine"));
        for (const char* name : {"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"}) {
            const QString path = m_dir.filePath(QStringLiteral("origine/") + name);
            makeDatabase(path, 50 + 40 * m_databases.size());
            m_databases.append({QString::fromLatin1(name), path});
        }
        writeFile(m_dir.filePath("uno"), "primo file");
        writeFile(m_dir.filePath("due"), "");
        m_small = {{QStringLiteral("uno"), m_dir.filePath("uno")},
                   {QStringLiteral("due"), m_dir.filePath("due")}};
        m_smallCopy = sealToBytes(m_small);
        QVERIFY(!m_smallCopy.isEmpty());
    }

    void roundTripOfThreeDatabases()
    {
        const QString target = m_dir.filePath(QStringLiteral("supporto/") + sealedCopyFileName());
        QDir().mkpath(QFileInfo(target).path());
        QString error;
        QVERIFY2(sealFilesWithKey(m_databases, FixedKey(), interactiveHeader(), target, &error),
                 qPrintable(error));
        QCOMPARE(entries(QFileInfo(target).path()), QStringList{sealedCopyFileName()});
        QVERIFY(looksSealed(target));
        QVERIFY(!looksSealed(m_databases.at(0).path));

        const QString folder = freshFolder(QStringLiteral("ripristino"));
        QFile in(target);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QStringList names;
        QVERIFY2(unsealToFolder(in, FixedKey(), folder, &names, &error), qPrintable(error));
        QCOMPARE(names, (QStringList{"Valutazioni.mdb", "DBgiudix2.mdb", "stampagiudix.mdb"}));
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(entries(folder), sorted);
        for (const SealedFile& file : m_databases)
            QCOMPARE(readAll(QDir(folder).filePath(file.name)), readAll(file.path));
    }

    void documentedLayout()
    {
        // docs/copia-cifrata.md: magic, version, salt, limits, stream header, then
        // length-prefixed chunks; each chunk is a kind byte, its payload and 17 bytes.
        const QByteArray& copy = m_smallCopy;
        const char* raw = copy.constData();
        QCOMPARE(copy.left(13), QByteArray("GIUDIZI-COPIA"));
        QCOMPARE(int(copy.at(13)), 1);
        QCOMPARE(copy.at(14), char(42));
        QCOMPARE(qFromLittleEndian<quint64>(raw + 30),
                 quint64(crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE));
        QCOMPARE(qFromLittleEndian<quint64>(raw + 38),
                 quint64(crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE));
        // Name "uno", its 10 bytes, name "due" (empty), the end.
        int at = 70;
        for (int plain : {1 + 3, 1 + 10, 1 + 3, 1}) {
            QCOMPARE(qFromLittleEndian<quint32>(raw + at), quint32(plain + 17));
            at += 4 + plain + 17;
        }
        QCOMPARE(at, copy.size());
    }

    void chunkBoundaries()
    {
        // Sizes around the 64 KiB chunk, each alone in a copy.
        for (int size : {0, 1, 65535, 65536, 65537, 3 * 65536 + 5}) {
            QByteArray bytes(size, '\0');
            for (int i = 0; i < size; ++i)
                bytes[i] = static_cast<char>(i * 31 + size);
            const QString path = m_dir.filePath(QStringLiteral("pezzo"));
            writeFile(path, bytes);
            QByteArray sealed = sealToBytes({{QStringLiteral("pezzo"), path}});
            QBuffer in(&sealed);
            in.open(QIODevice::ReadOnly);
            MemorySink sink;
            QString error;
            QVERIFY2(unsealWithKey(in, FixedKey(), sink, &error), qPrintable(error));
            QCOMPARE(sink.names, QStringList{"pezzo"});
            QCOMPARE(sink.contents.at(0), bytes);
        }
    }

    void passphraseEndToEnd()
    {
        // Argon2id at MODERATE for real: seal, then open with the right and a wrong passphrase.
        const QString target = m_dir.filePath(QStringLiteral("chiavetta.gcz"));
        QString error;
        QVERIFY2(sealFiles(m_databases, "La quercia è alta", target, &error), qPrintable(error));
        QFile copy(target);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        SealHeader header;
        QByteArray raw;
        QVERIFY(readKeyHeader(copy, &header, &raw));
        QCOMPARE(header.opslimit, quint64(crypto_pwhash_argon2id_OPSLIMIT_MODERATE));
        QCOMPARE(header.memlimit, quint64(crypto_pwhash_argon2id_MEMLIMIT_MODERATE));
        const QByteArray salt(reinterpret_cast<const char*>(header.salt), sizeof header.salt);
        QVERIFY(salt != QByteArray(salt.size(), '\0'));

        const QString folder = freshFolder(QStringLiteral("password"));
        QStringList names;
        QVERIFY(!unsealFiles(target, "La quercia e alta", folder, &names, &error));
        QCOMPARE(error, QStringLiteral("La copia non si apre: password sbagliata o copia "
                                       "danneggiata."));
        QCOMPARE(entries(folder), QStringList());
        QVERIFY(names.isEmpty());

        QVERIFY2(unsealFiles(target, "La quercia è alta", folder, &names, &error),
                 qPrintable(error));
        QCOMPARE(names.size(), 3);
        for (const SealedFile& file : m_databases)
            QCOMPARE(readAll(QDir(folder).filePath(file.name)), readAll(file.path));
    }

    void everyCutFails()
    {
        const QString folder = freshFolder(QStringLiteral("tagli"));
        for (int length = 0; length < m_smallCopy.size(); ++length) {
            const auto [error, left] = unsealBytes(m_smallCopy.left(length), folder);
            QCOMPARE(error, sealDamagedMessage());
            QCOMPARE(left, QStringList());
        }
        QCOMPARE(unsealBytes(m_smallCopy, folder).first, QString());
    }

    void everyChangedByteFails()
    {
        // Header bytes included: they are bound into the first chunk.
        for (int i = 0; i < m_smallCopy.size(); ++i) {
            for (unsigned char flip : {0x01, 0x80, 0xff}) {
                QByteArray changed = m_smallCopy;
                changed[i] = static_cast<char>(changed.at(i) ^ flip);
                QBuffer in(&changed);
                in.open(QIODevice::ReadOnly);
                MemorySink sink;
                QString error;
                QVERIFY2(!unsealWithKey(in, FixedKey(), sink, &error),
                         qPrintable(QStringLiteral("byte %1 ^ %2").arg(i).arg(flip)));
                QCOMPARE(error, sealDamagedMessage());
            }
        }
    }

    void damageLeavesNothingInFolder()
    {
        const QString folder = freshFolder(QStringLiteral("danni"));
        // A byte in the last chunk: the files are already written when it is found.
        for (int from_end : {1, 10, 20}) {
            QByteArray changed = m_smallCopy;
            changed[changed.size() - from_end] =
                static_cast<char>(changed.at(changed.size() - from_end) ^ 0x55);
            const auto [error, left] = unsealBytes(changed, folder);
            QCOMPARE(error, sealDamagedMessage());
            QCOMPARE(left, QStringList());
        }
        // Bytes after the final chunk: one more, or the final chunk once again.
        const int finalChunk = 4 + 1 + crypto_secretstream_xchacha20poly1305_ABYTES;
        for (const QByteArray& after : {QByteArray("x"), m_smallCopy.right(finalChunk)}) {
            const auto [error, left] = unsealBytes(m_smallCopy + after, folder);
            QCOMPARE(error, sealDamagedMessage());
            QCOMPARE(left, QStringList());
        }
    }

    void streamRules_data()
    {
        QTest::addColumn<QList<Chunk>>("chunks");
        QTest::addColumn<bool>("opens");
        const Chunk end{sealformat::kKindEnd, {}, kFinal};
        const Chunk name{sealformat::kKindName, "a"};
        const Chunk data{sealformat::kKindData, "dati"};
        QTest::newRow("well formed") << QList<Chunk>{name, data, end} << true;
        QTest::newRow("no files") << QList<Chunk>{end} << true;
        QTest::newRow("no final chunk") << QList<Chunk>{name, data} << false;
        QTest::newRow("end without final tag")
            << QList<Chunk>{name, data, {sealformat::kKindEnd, {}}} << false;
        QTest::newRow("final tag on data")
            << QList<Chunk>{name, {sealformat::kKindData, "dati", kFinal}} << false;
        QTest::newRow("final end with payload")
            << QList<Chunk>{name, {sealformat::kKindEnd, "x", kFinal}} << false;
        QTest::newRow("chunk after final") << QList<Chunk>{name, end, data} << false;
        QTest::newRow("data before a name") << QList<Chunk>{data, name, end} << false;
        QTest::newRow("unknown kind") << QList<Chunk>{name, {9, "x"}, end} << false;
        QTest::newRow("rekey tag")
            << QList<Chunk>{name,
                            {sealformat::kKindData, "x",
                             crypto_secretstream_xchacha20poly1305_TAG_REKEY},
                            end}
            << false;
        const QList<QByteArray> badNames{"",     "a/b",  "a\\b",  "..",
                                         "x..y", "/etc", "..\\x", QByteArray("ok\0no", 5)};
        for (const QByteArray& bad : badNames)
            QTest::newRow(qPrintable("name " + bad.toPercentEncoding()))
                << QList<Chunk>{{sealformat::kKindName, bad}, end} << false;
        QTest::newRow("repeated name") << QList<Chunk>{name, data, name, end} << false;
        QTest::newRow("name not UTF-8")
            << QList<Chunk>{{sealformat::kKindName, "\xc3("}, end} << false;
        QTest::newRow("name too long")
            << QList<Chunk>{{sealformat::kKindName, QByteArray(256, 'n')}, end} << false;
    }
    void streamRules()
    {
        QFETCH(QList<Chunk>, chunks);
        QFETCH(bool, opens);
        const auto [error, left] =
            unsealBytes(craftCopy(chunks), freshFolder(QStringLiteral("regole")));
        QCOMPARE(error, opens ? QString() : sealDamagedMessage());
        QCOMPARE(left.isEmpty(), !opens || chunks.size() == 1);
    }

    void limits_data()
    {
        QTest::addColumn<quint64>("ops");
        QTest::addColumn<quint64>("mem");
        QTest::addColumn<bool>("accepted");
        const quint64 opsLow = crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE;
        const quint64 opsHigh = crypto_pwhash_argon2id_OPSLIMIT_SENSITIVE;
        const quint64 memLow = crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE;
        const quint64 memHigh = crypto_pwhash_argon2id_MEMLIMIT_SENSITIVE;
        QTest::newRow("interactive") << opsLow << memLow << true;
        QTest::newRow("sensitive") << opsHigh << memHigh << true;
        QTest::newRow("ops below") << opsLow - 1 << memLow << false;
        QTest::newRow("ops above") << opsHigh + 1 << memLow << false;
        QTest::newRow("mem below") << opsLow << memLow - 1 << false;
        QTest::newRow("mem above") << opsLow << memHigh + 1 << false;
        QTest::newRow("ops huge") << ~quint64(0) << memLow << false;
        QTest::newRow("mem huge") << opsLow << ~quint64(0) << false;
    }
    void limits()
    {
        QFETCH(quint64, ops);
        QFETCH(quint64, mem);
        QFETCH(bool, accepted);
        SealHeader header = interactiveHeader();
        header.opslimit = ops;
        header.memlimit = mem;
        QByteArray raw = encodeKeyHeader(header);
        QBuffer in(&raw);
        in.open(QIODevice::ReadOnly);
        SealHeader read;
        QByteArray readRaw;
        QCOMPARE(readKeyHeader(in, &read, &readRaw), accepted);
        QCOMPARE(read.opslimit, ops);
        QCOMPARE(read.memlimit, mem);
    }

    void magicAndVersion()
    {
        const QByteArray good = encodeKeyHeader(interactiveHeader());
        QByteArray otherMagic = good;
        otherMagic[0] = 'g';
        QByteArray otherVersion = good;
        otherVersion[sealformat::kMagicSize] = 2;
        for (QByteArray raw : {good, otherMagic, otherVersion, good.left(good.size() - 1)}) {
            QBuffer in(&raw);
            in.open(QIODevice::ReadOnly);
            SealHeader header;
            QByteArray read;
            QCOMPARE(readKeyHeader(in, &header, &read), raw == good);
        }
    }

    void weakLimitsRefusedWithRightPassphrase()
    {
        // Keys derived under the header's own limits, so only the range check can refuse them.
        struct Case {
            quint64 ops, mem;
            bool opens;
        };
        const quint64 memLow = crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE;
        for (const Case& c : {Case{crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE, memLow, true},
                              Case{1, memLow, false}, Case{2, 8u << 20, false}}) {
            SealHeader header = interactiveHeader();
            header.opslimit = c.ops;
            header.memlimit = c.mem;
            SealKey key;
            QVERIFY(deriveSealKey("parola", header, &key));
            const QString target = m_dir.filePath(QStringLiteral("debole.gcz"));
            QString error;
            QVERIFY2(sealFilesWithKey(m_small, key, header, target, &error), qPrintable(error));
            const QString folder = freshFolder(QStringLiteral("limiti"));
            QCOMPARE(unsealFiles(target, "parola", folder, nullptr, &error), c.opens);
            QCOMPARE(error, c.opens ? QString() : sealDamagedMessage());
            QCOMPARE(entries(folder).size(), c.opens ? 2 : 0);
        }
    }

    void badNamesRefusedWhenSealing()
    {
        const QString folder = freshFolder(QStringLiteral("nomi"));
        const QString target = QDir(folder).filePath(sealedCopyFileName());
        const QString path = m_small.at(0).path;
        for (const QList<SealedFile>& files :
             {QList<SealedFile>{{"", path}}, QList<SealedFile>{{"a/b", path}},
              QList<SealedFile>{{"a\\b", path}}, QList<SealedFile>{{"..", path}},
              QList<SealedFile>{{"uno", path}, {"uno", path}}}) {
            QString error;
            QVERIFY(!sealFilesWithKey(files, FixedKey(), interactiveHeader(), target, &error));
            QVERIFY2(error.contains(QStringLiteral("non può stare nella copia")),
                     qPrintable(error));
            QCOMPARE(entries(folder), QStringList());
        }
    }

    void failedSealLeavesNothing()
    {
        QString error;
        const QString missingFolder = m_dir.filePath(QStringLiteral("manca/copia.gcz"));
        QVERIFY(!sealFilesWithKey(m_small, FixedKey(), interactiveHeader(), missingFolder, &error));
        QVERIFY2(error.contains(QStringLiteral("non esiste")), qPrintable(error));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("manca"))));

        // A source that cannot be read: the previous copy stays as it was, no part file.
        const QString folder = freshFolder(QStringLiteral("precedente"));
        const QString target = QDir(folder).filePath(sealedCopyFileName());
        writeFile(target, "copia precedente");
        QList<SealedFile> files = m_small;
        files.append({QStringLiteral("tre"), m_dir.filePath(QStringLiteral("non-esiste"))});
        QVERIFY(!sealFilesWithKey(files, FixedKey(), interactiveHeader(), target, &error));
        QVERIFY2(error.contains(QStringLiteral("non si può leggere")), qPrintable(error));
        QCOMPARE(entries(folder), QStringList{sealedCopyFileName()});
        QCOMPARE(readAll(target), QByteArray("copia precedente"));

        // An empty passphrase is refused before anything is written.
        QVERIFY(!sealFiles(m_small, QByteArray(), target, &error));
        QCOMPARE(readAll(target), QByteArray("copia precedente"));
    }

    void unsealIntoMissingFolder()
    {
        QString error;
        QByteArray copy = m_smallCopy;
        QBuffer in(&copy);
        in.open(QIODevice::ReadOnly);
        const QString folder = m_dir.filePath(QStringLiteral("inesistente"));
        QVERIFY(!unsealToFolder(in, FixedKey(), folder, nullptr, &error));
        QCOMPARE(error, QStringLiteral("La cartella %1 non si può scrivere.").arg(folder));
        QVERIFY(!QFileInfo::exists(folder));
    }
};

QTEST_GUILESS_MAIN(TestSealedCopy)
#include "tst_sealed_copy.moc"
