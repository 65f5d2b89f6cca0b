#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <sodium.h>

class QIODevice;

namespace giudizi {

// The fixed start of a sealed copy (docs/copia-cifrata.md): magic, version,
// the Argon2id salt and limits, then the secretstream header.
namespace sealformat {
constexpr char kMagic[] = "GIUDIZI-COPIA";
constexpr int kMagicSize = sizeof(kMagic) - 1;
constexpr unsigned char kVersion = 1;
constexpr int kSaltSize = crypto_pwhash_argon2id_SALTBYTES;
constexpr int kStreamHeaderSize = crypto_secretstream_xchacha20poly1305_HEADERBYTES;
// Magic, version, salt, two 64-bit limits.
constexpr int kKeyHeaderSize = kMagicSize + 1 + kSaltSize + 8 + 8;
constexpr int kHeaderSize = kKeyHeaderSize + kStreamHeaderSize;
// Bytes of a file in one chunk; a chunk adds its kind byte and the tag.
constexpr int kChunkData = 64 * 1024;
constexpr int kMaxChunk = 1 + kChunkData + crypto_secretstream_xchacha20poly1305_ABYTES;
constexpr int kMaxNameBytes = 255;
// The chunk kinds, first byte of each decrypted chunk.
constexpr unsigned char kKindName = 1;
constexpr unsigned char kKindData = 2;
constexpr unsigned char kKindEnd = 3;
} // namespace sealformat

// The one message for a copy that does not open, whatever the cause.
QString sealDamagedMessage();

// What derives the key: the salt and the Argon2id limits.
struct SealHeader {
    unsigned char salt[sealformat::kSaltSize] = {};
    quint64 opslimit = crypto_pwhash_argon2id_OPSLIMIT_MODERATE;
    quint64 memlimit = crypto_pwhash_argon2id_MEMLIMIT_MODERATE;
};

// The stream key, wiped when it goes.
struct SealKey {
    unsigned char bytes[crypto_secretstream_xchacha20poly1305_KEYBYTES] = {};
    SealKey() = default;
    SealKey(const SealKey&) = delete;
    SealKey& operator=(const SealKey&) = delete;
    ~SealKey() { sodium_memzero(bytes, sizeof bytes); }
};

// libsodium initialised once; false if it cannot be.
bool sodiumReady();

// A header for a new copy: a random salt, MODERATE limits.
SealHeader newSealHeader();

// The key from the passphrase with Argon2id under the header's salt and
// limits; false when the machine cannot give the memory.
bool deriveSealKey(const QByteArray& passphrase, const SealHeader& header, SealKey* key);

// The header's magic, version, salt and limits as they are written.
QByteArray encodeKeyHeader(const SealHeader& header);

// Reads the magic, version, salt and limits from the front of `in`; false for
// a short read, another magic or version, or limits outside the accepted
// INTERACTIVE..SENSITIVE range.
bool readKeyHeader(QIODevice& in, SealHeader* header, QByteArray* raw);

// A file name a copy may hold: not empty, no folders, no "..", no NUL, at
// most kMaxNameBytes in UTF-8.
bool isSealableName(const QString& name);

} // namespace giudizi
