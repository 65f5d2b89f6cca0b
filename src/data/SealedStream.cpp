#include "data/SealedStream.h"

#include <QFile>
#include <QIODevice>
#include <QSet>
#include <QtEndian>
#include <cstring>

namespace giudizi {

using namespace sealformat;

namespace {

constexpr int kAbytes = crypto_secretstream_xchacha20poly1305_ABYTES;
constexpr int kLengthSize = 4;

// The stream state and the buffers of one chunk, wiped when done. The file's
// header is bound into the first chunk as additional data, each chunk's own
// length prefix into every chunk.
struct Stream {
    crypto_secretstream_xchacha20poly1305_state state;
    QByteArray firstData;
    QByteArray plain = QByteArray(1 + kChunkData, '\0');
    QByteArray sealed = QByteArray(kMaxChunk, '\0');
    ~Stream()
    {
        sodium_memzero(&state, sizeof state);
        sodium_memzero(plain.data(), static_cast<size_t>(plain.size()));
    }
    QByteArray additionalData(const char* length)
    {
        QByteArray data = firstData + QByteArray(length, kLengthSize);
        firstData.clear();
        return data;
    }
    unsigned char* plainBytes() { return reinterpret_cast<unsigned char*>(plain.data()); }
    unsigned char* sealedBytes() { return reinterpret_cast<unsigned char*>(sealed.data()); }
};

const unsigned char* bytes(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

// Seals the kind byte and the `size` bytes after it in s.plain and writes
// the chunk with its length in front.
bool pushChunk(Stream& s, QIODevice& out, unsigned char kind, int size, unsigned char tag)
{
    s.plain[0] = static_cast<char>(kind);
    const int sealedSize = 1 + size + kAbytes;
    char length[kLengthSize];
    qToLittleEndian<quint32>(static_cast<quint32>(sealedSize), length);
    const QByteArray ad = s.additionalData(length);
    crypto_secretstream_xchacha20poly1305_push(&s.state, s.sealedBytes(), nullptr, s.plainBytes(),
                                               static_cast<unsigned long long>(1 + size), bytes(ad),
                                               static_cast<unsigned long long>(ad.size()), tag);
    return out.write(length, kLengthSize) == kLengthSize &&
           out.write(s.sealed.constData(), sealedSize) == sealedSize;
}

bool checkNames(const QList<SealedFile>& files, QString* error)
{
    QSet<QString> seen;
    for (const SealedFile& file : files) {
        if (!isSealableName(file.name) || seen.contains(file.name)) {
            *error = QStringLiteral("Il nome «%1» non può stare nella copia.").arg(file.name);
            return false;
        }
        seen.insert(file.name);
    }
    return true;
}

bool pushFile(Stream& s, const SealedFile& file, QIODevice& out, QString* error)
{
    QFile in(file.path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Il file %1 non si può leggere.").arg(file.path);
        return false;
    }
    const QByteArray name = file.name.toUtf8();
    memcpy(s.plain.data() + 1, name.constData(), static_cast<size_t>(name.size()));
    bool written = pushChunk(s, out, kKindName, static_cast<int>(name.size()),
                             crypto_secretstream_xchacha20poly1305_TAG_MESSAGE);
    while (written) {
        const qint64 got = in.read(s.plain.data() + 1, kChunkData);
        if (got < 0) {
            *error = QStringLiteral("Il file %1 non si può leggere.").arg(file.path);
            return false;
        }
        if (got == 0)
            return true;
        written = pushChunk(s, out, kKindData, static_cast<int>(got),
                            crypto_secretstream_xchacha20poly1305_TAG_MESSAGE);
    }
    *error = QStringLiteral("La copia non si può scrivere: %1").arg(out.errorString());
    return false;
}

// A name chunk's bytes as a name the copy may hold and has not held yet.
bool takeName(const char* data, int size, QSet<QString>* seen, QString* name)
{
    const QByteArray raw(data, size);
    *name = QString::fromUtf8(raw);
    if (name->toUtf8() != raw || !isSealableName(*name) || seen->contains(*name))
        return false;
    seen->insert(*name);
    return true;
}

} // namespace

bool MemorySink::begin(const QString& name, QString*)
{
    names.append(name);
    contents.append(QByteArray());
    return true;
}

bool MemorySink::write(const char* data, int size, QString*)
{
    contents.last().append(data, size);
    return true;
}

bool sealWithKey(const QList<SealedFile>& files, const SealKey& key, const SealHeader& header,
                 QIODevice& out, QString* error)
{
    if (!sodiumReady()) {
        *error = QStringLiteral("La cifratura non è disponibile su questo computer.");
        return false;
    }
    if (!checkNames(files, error))
        return false;
    Stream s;
    QByteArray streamHeader(kStreamHeaderSize, '\0');
    crypto_secretstream_xchacha20poly1305_init_push(
        &s.state, reinterpret_cast<unsigned char*>(streamHeader.data()), key.bytes);
    s.firstData = encodeKeyHeader(header) + streamHeader;
    if (out.write(s.firstData) != s.firstData.size()) {
        *error = QStringLiteral("La copia non si può scrivere: %1").arg(out.errorString());
        return false;
    }
    for (const SealedFile& file : files)
        if (!pushFile(s, file, out, error))
            return false;
    if (!pushChunk(s, out, kKindEnd, 0, crypto_secretstream_xchacha20poly1305_TAG_FINAL)) {
        *error = QStringLiteral("La copia non si può scrivere: %1").arg(out.errorString());
        return false;
    }
    return true;
}

bool unsealWithKey(QIODevice& in, const SealKey& key, UnsealSink& sink, QString* error)
{
    *error = sealDamagedMessage();
    SealHeader header;
    Stream s;
    if (!sodiumReady() || !readKeyHeader(in, &header, &s.firstData))
        return false;
    const QByteArray streamHeader = in.read(kStreamHeaderSize);
    if (streamHeader.size() != kStreamHeaderSize ||
        crypto_secretstream_xchacha20poly1305_init_pull(&s.state, bytes(streamHeader), key.bytes) !=
            0)
        return false;
    s.firstData += streamHeader;
    QSet<QString> names;
    bool inFile = false;
    for (;;) {
        char length[kLengthSize];
        if (in.read(length, kLengthSize) != kLengthSize)
            return false; // ended without the final chunk
        const quint32 size = qFromLittleEndian<quint32>(length);
        if (size < 1 + kAbytes || size > kMaxChunk ||
            in.read(s.sealed.data(), size) != static_cast<qint64>(size))
            return false;
        const QByteArray ad = s.additionalData(length);
        unsigned long long plainSize = 0;
        unsigned char tag = 0;
        if (crypto_secretstream_xchacha20poly1305_pull(
                &s.state, s.plainBytes(), &plainSize, &tag, s.sealedBytes(), size, bytes(ad),
                static_cast<unsigned long long>(ad.size())) != 0)
            return false;
        const unsigned char kind = static_cast<unsigned char>(s.plain.at(0));
        const char* payload = s.plain.constData() + 1;
        const int payloadSize = static_cast<int>(plainSize) - 1;
        if (tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL) {
            char after;
            if (kind != kKindEnd || payloadSize != 0 || in.read(&after, 1) != 0)
                return false; // a final chunk of another kind, or bytes after it
            error->clear();
            return true;
        }
        if (tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE)
            return false;
        QString name;
        if (kind == kKindName) {
            if (!takeName(payload, payloadSize, &names, &name) || !sink.begin(name, error))
                return false;
            inFile = true;
        } else if (kind != kKindData || !inFile || !sink.write(payload, payloadSize, error)) {
            return false;
        }
    }
}

} // namespace giudizi
