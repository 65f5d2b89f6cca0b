#pragma once

#include "data/Backup.h"
#include "data/SealedCopyFormat.h"

#include <QByteArray>

namespace giudizi {

// The backup protected by a passphrase: the open databases copied and
// verified as the plain backup copies them, sealed into `folder`/
// giudizi-copia.gcz (written beside, renamed in when whole), read back whole
// with the same key, and only then the plain files of an earlier backup
// removed. false with the reason in *error; the earlier backup stays then.
bool backUpSealed(const QList<BackupItem>& items, const QString& folder,
                  const QByteArray& passphrase, QString* error);
// The same with the key already derived from `header` (the benchmark's way).
bool backUpSealedWithKey(const QList<BackupItem>& items, const QString& folder, const SealKey& key,
                         const SealHeader& header, QString* error);

// After a plain backup into `folder`: the sealed copy of an earlier one goes,
// the medium holding one backup, the newest.
void removeSealedCopy(const QString& folder);

} // namespace giudizi
