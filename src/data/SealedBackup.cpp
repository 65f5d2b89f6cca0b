#include "data/SealedBackup.h"

#include "data/SealedCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace giudizi {

namespace {

// Reads a copy through without keeping it: the whole stream authenticated.
class Discard : public UnsealSink {
public:
    bool begin(const QString&, QString*) override { return true; }
    bool write(const char*, int, QString*) override { return true; }
};

bool readsBack(const QString& sealed, const SealKey& key, QString* error)
{
    QFile copy(sealed);
    Discard sink;
    return copy.open(QIODevice::ReadOnly) && unsealWithKey(copy, key, sink, error);
}

} // namespace

bool backUpSealed(const QList<BackupItem>& items, const QString& folder,
                  const QByteArray& passphrase, QString* error)
{
    const SealHeader header = newSealHeader();
    SealKey key;
    if (!deriveSealKey(passphrase, header, &key)) {
        *error = QStringLiteral("Memoria insufficiente per cifrare la copia.");
        return false;
    }
    return backUpSealedWithKey(items, folder, key, header, error);
}

bool backUpSealedWithKey(const QList<BackupItem>& items, const QString& folder, const SealKey& key,
                         const SealHeader& header, QString* error)
{
    if (folder.isEmpty() || !QDir(folder).exists()) {
        *error = QStringLiteral("La cartella %1 non esiste.").arg(folder);
        return false;
    }
    QTemporaryDir staging;
    if (!staging.isValid() || !backUpDatabases(items, staging.path(), error))
        return false;
    QList<SealedFile> files;
    for (const BackupItem& item : items)
        files.append({item.fileName, staging.filePath(item.fileName)});
    // Sealed under a name of its own and read back before it takes the place
    // of the previous copy, which stays until then.
    const QString target = QDir(folder).filePath(sealedCopyFileName());
    const QString sealed =
        QDir(folder).filePath(QLatin1Char('.') + sealedCopyFileName() + QStringLiteral(".nuova"));
    QFile::remove(sealed);
    if (!sealFilesWithKey(files, key, header, sealed, error))
        return false;
    if (!readsBack(sealed, key, error) || std::rename(QFile::encodeName(sealed).constData(),
                                                      QFile::encodeName(target).constData()) != 0) {
        QFile::remove(sealed);
        *error = QStringLiteral("%1: la copia scritta non si rilegge.").arg(target);
        return false;
    }
    // The medium holds the newest backup only.
    const QDir dir(folder);
    for (const BackupItem& item : items)
        for (const QString& name : {item.fileName, item.fileName + QStringLiteral(".precedente")})
            QFile::remove(dir.filePath(name));
    syncToDisk(dir.absolutePath(), true);
    return true;
}

void removeSealedCopy(const QString& folder)
{
    if (QFile::remove(QDir(folder).filePath(sealedCopyFileName())))
        syncToDisk(QDir(folder).absolutePath(), true);
}

} // namespace giudizi
