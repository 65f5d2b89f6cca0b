// The sealed copy's reader, with a fixed key (no Argon2id, so each run is
// fast): it never crashes, and it accepts a file only when that file is, byte
// for byte, the copy that was sealed, giving back exactly what went in. The
// first input byte chooses: the rest is a whole file, or a list of edits
// (change, insert, remove, cut) applied to the sealed copy.
#include "FuzzInput.h"

#include "data/SealedStream.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace giudizi;

namespace {

const QList<QByteArray> kContents{QByteArray("primo file, breve"), QByteArray(70000, 'x'),
                                  QByteArray()};
const QStringList kNames{QStringLiteral("Valutazioni.mdb"), QStringLiteral("DBgiudix2.mdb"),
                         QStringLiteral("stampagiudix.mdb")};

struct FixedKey : SealKey {
    FixedKey()
    {
        for (unsigned i = 0; i < sizeof bytes; ++i)
            bytes[i] = static_cast<unsigned char>(i * 13 + 5);
    }
};

// Sealed once per process from files written for it.
const QByteArray& sealedCopy()
{
    static const QByteArray sealed = [] {
        QTemporaryDir dir;
        QList<SealedFile> files;
        for (int i = 0; i < kNames.size(); ++i) {
            QFile file(dir.filePath(kNames.at(i)));
            if (!file.open(QIODevice::WriteOnly) || file.write(kContents.at(i)) < 0)
                std::abort();
            files.append({kNames.at(i), file.fileName()});
        }
        SealHeader header;
        header.opslimit = crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE;
        header.memlimit = crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE;
        QByteArray bytes;
        QBuffer out(&bytes);
        QString error;
        if (!out.open(QIODevice::WriteOnly) || !sealWithKey(files, FixedKey(), header, out, &error))
            std::abort();
        return bytes;
    }();
    return sealed;
}

QByteArray edited(FuzzInput& input)
{
    QByteArray copy = sealedCopy();
    const int edits = input.number(1, 8);
    for (int i = 0; i < edits && !copy.isEmpty(); ++i) {
        const int at = input.number(0, static_cast<int>(copy.size()) - 1);
        switch (input.number(0, 3)) {
        case 0:
            copy[at] = static_cast<char>(copy.at(at) ^ input.number(1, 255));
            break;
        case 1:
            copy.insert(at, static_cast<char>(input.number(0, 255)));
            break;
        case 2:
            copy.remove(at, input.number(1, 64));
            break;
        default:
            copy.truncate(at);
        }
    }
    return copy;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    QByteArray file;
    if (data[0] % 2 == 0) {
        file = QByteArray(reinterpret_cast<const char*>(data) + 1, static_cast<int>(size - 1));
    } else {
        FuzzInput input(data + 1, size - 1);
        file = edited(input);
    }
    QBuffer in(&file);
    in.open(QIODevice::ReadOnly);
    MemorySink sink;
    QString error;
    const bool accepted = unsealWithKey(in, FixedKey(), sink, &error);
    const bool same = file == sealedCopy();
    if (accepted != same)
        std::abort();
    if (accepted && (sink.names != kNames || sink.contents != kContents))
        std::abort();
    if (!accepted && error != sealDamagedMessage())
        std::abort();
    return 0;
}
