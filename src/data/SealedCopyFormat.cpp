#include "data/SealedCopyFormat.h"

#include <QIODevice>
#include <QtEndian>
#include <cstring>

namespace giudizi {

using namespace sealformat;

namespace {

constexpr int kLimitsOffset = kMagicSize + 1 + kSaltSize;

bool limitsAccepted(quint64 ops, quint64 mem)
{
    return ops >= crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE &&
           ops <= crypto_pwhash_argon2id_OPSLIMIT_SENSITIVE &&
           mem >= crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE &&
           mem <= crypto_pwhash_argon2id_MEMLIMIT_SENSITIVE;
}

} // namespace

QString sealDamagedMessage()
{
    return QStringLiteral("La copia non si apre: password sbagliata o copia danneggiata.");
}

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

SealHeader newSealHeader()
{
    SealHeader header;
    if (sodiumReady())
        randombytes_buf(header.salt, sizeof header.salt);
    return header;
}

bool deriveSealKey(const QByteArray& passphrase, const SealHeader& header, SealKey* key)
{
    return sodiumReady() &&
           crypto_pwhash(key->bytes, sizeof key->bytes, passphrase.constData(),
                         static_cast<unsigned long long>(passphrase.size()), header.salt,
                         header.opslimit, static_cast<size_t>(header.memlimit),
                         crypto_pwhash_ALG_ARGON2ID13) == 0;
}

QByteArray encodeKeyHeader(const SealHeader& header)
{
    QByteArray raw(kKeyHeaderSize, '\0');
    char* out = raw.data();
    memcpy(out, kMagic, kMagicSize);
    out[kMagicSize] = static_cast<char>(kVersion);
    memcpy(out + kMagicSize + 1, header.salt, kSaltSize);
    qToLittleEndian<quint64>(header.opslimit, out + kLimitsOffset);
    qToLittleEndian<quint64>(header.memlimit, out + kLimitsOffset + 8);
    return raw;
}

bool readKeyHeader(QIODevice& in, SealHeader* header, QByteArray* raw)
{
    *raw = in.read(kKeyHeaderSize);
    if (raw->size() != kKeyHeaderSize || !raw->startsWith(QByteArray(kMagic, kMagicSize)) ||
        static_cast<unsigned char>(raw->at(kMagicSize)) != kVersion)
        return false;
    memcpy(header->salt, raw->constData() + kMagicSize + 1, kSaltSize);
    header->opslimit = qFromLittleEndian<quint64>(raw->constData() + kLimitsOffset);
    header->memlimit = qFromLittleEndian<quint64>(raw->constData() + kLimitsOffset + 8);
    return limitsAccepted(header->opslimit, header->memlimit);
}

bool isSealableName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QStringLiteral("..")) &&
           !name.contains(QChar(0)) && name.toUtf8().size() <= kMaxNameBytes;
}

} // namespace giudizi
