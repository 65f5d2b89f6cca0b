#pragma once

#include "data/SealedStream.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace giudizi {

// The name a sealed copy takes on the medium.
QString sealedCopyFileName();

// Writes `files` into the sealed copy `target`, written beside it (".NAME.part"), synced to disk
// and renamed in only when whole; false with an Italian reason in *error (nothing left behind).
bool sealFiles(const QList<SealedFile>& files, const QByteArray& passphrase, const QString& target,
               QString* error);

// Opens the sealed copy `source` and writes its files into `folder` (which exists) under their
// names; false with sealDamagedMessage() in *error when the passphrase is wrong or the copy is
// damaged (nothing left in `folder`), or another Italian reason when `folder` cannot be written.
// `names` receives the names written. A file of the same name already in `folder` is replaced.
bool unsealFiles(const QString& source, const QByteArray& passphrase, const QString& folder,
                 QStringList* names, QString* error);

// Whether `path` starts like a sealed copy (the magic), to recognise one without a passphrase.
bool looksSealed(const QString& path);

// sealFiles with a key already derived from `header`.
bool sealFilesWithKey(const QList<SealedFile>& files, const SealKey& key, const SealHeader& header,
                      const QString& target, QString* error);

// unsealFiles with a key already derived, reading the copy from `in`.
bool unsealToFolder(QIODevice& in, const SealKey& key, const QString& folder, QStringList* names,
                    QString* error);

} // namespace giudizi
