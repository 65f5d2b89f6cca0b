#include "data/SealedCopy.h"

#include "data/Backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace giudizi {

namespace {

QString folderMessage(const QString& folder)
{
    return QStringLiteral("La cartella %1 non si può scrivere.").arg(folder);
}

// Replaces `to` at once, whether or not it exists.
bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The file's bytes on the medium, then closed; false if any write failed.
bool syncAndClose(QFile& file)
{
    const bool synced = file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    return synced && file.error() == QFileDevice::NoError;
}

// Each file of the copy in a hidden staging folder inside the target folder,
// moved up only when the whole copy has been read and found unchanged; the
// staging folder goes with whatever it still holds.
class FolderSink : public UnsealSink {
public:
    explicit FolderSink(const QString& folder)
        : m_folder(folder)
        , m_staging(QDir(folder).filePath(QStringLiteral(".ripristino-XXXXXX")))
    {
    }
    bool ready() const { return m_staging.isValid(); }
    const QStringList& names() const { return m_names; }

    bool begin(const QString& name, QString* error) override
    {
        if (!closeCurrent(error))
            return false;
        m_current = std::make_unique<QFile>(m_staging.filePath(name));
        m_names.append(name);
        if (m_current->open(QIODevice::WriteOnly | QIODevice::Truncate))
            return true;
        *error = folderMessage(m_folder);
        return false;
    }
    bool write(const char* data, int size, QString* error) override
    {
        if (m_current->write(data, size) == size)
            return true;
        *error = folderMessage(m_folder);
        return false;
    }
    // The files in place under their names; on failure none of them is.
    bool place(QString* error)
    {
        if (!closeCurrent(error))
            return false;
        const QDir dir(m_folder);
        QStringList placed;
        for (const QString& name : m_names) {
            if (!renameOver(m_staging.filePath(name), dir.filePath(name))) {
                for (const QString& done : placed)
                    QFile::remove(dir.filePath(done));
                *error = folderMessage(m_folder);
                return false;
            }
            placed.append(name);
        }
        if (syncToDisk(dir.absolutePath(), true))
            return true;
        *error = folderMessage(m_folder);
        return false;
    }

private:
    bool closeCurrent(QString* error)
    {
        if (!m_current || syncAndClose(*m_current))
            return true;
        *error = folderMessage(m_folder);
        return false;
    }

    QString m_folder;
    QTemporaryDir m_staging;
    std::unique_ptr<QFile> m_current;
    QStringList m_names;
};

} // namespace

QString sealedCopyFileName()
{
    return QStringLiteral("giudizi-copia.gcz");
}

bool sealFilesWithKey(const QList<SealedFile>& files, const SealKey& key, const SealHeader& header,
                      const QString& target, QString* error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    const QFileInfo info(target);
    const QDir dir = info.absoluteDir();
    if (!dir.exists()) {
        *error = QStringLiteral("La cartella %1 non esiste.").arg(dir.path());
        return false;
    }
    const QString part = dir.filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".part"));
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("La copia %1 non si può scrivere.").arg(target);
        return false;
    }
    error->clear();
    const bool whole = sealWithKey(files, key, header, out, error) && syncAndClose(out);
    if (whole && renameOver(part, info.absoluteFilePath())) {
        if (syncToDisk(dir.absolutePath(), true))
            return true;
        *error = QStringLiteral("La copia %1 non è stata scritta sul supporto.").arg(target);
        return false;
    }
    out.close();
    QFile::remove(part);
    if (error->isEmpty())
        *error = QStringLiteral("La copia %1 non si può scrivere.").arg(target);
    return false;
}

bool sealFiles(const QList<SealedFile>& files, const QByteArray& passphrase, const QString& target,
               QString* error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    if (passphrase.isEmpty()) {
        *error = QStringLiteral("La password della copia non può essere vuota.");
        return false;
    }
    const SealHeader header = newSealHeader();
    SealKey key;
    if (!deriveSealKey(passphrase, header, &key)) {
        *error = QStringLiteral("Memoria insufficiente per cifrare la copia.");
        return false;
    }
    return sealFilesWithKey(files, key, header, target, error);
}

bool unsealToFolder(QIODevice& in, const SealKey& key, const QString& folder, QStringList* names,
                    QString* error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    FolderSink sink(folder);
    if (!QFileInfo(folder).isDir() || !sink.ready()) {
        *error = folderMessage(folder);
        return false;
    }
    if (!unsealWithKey(in, key, sink, error) || !sink.place(error))
        return false;
    if (names)
        *names = sink.names();
    return true;
}

bool unsealFiles(const QString& source, const QByteArray& passphrase, const QString& folder,
                 QStringList* names, QString* error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("La copia %1 non si può leggere.").arg(source);
        return false;
    }
    SealHeader header;
    QByteArray raw;
    if (!readKeyHeader(in, &header, &raw)) {
        *error = sealDamagedMessage();
        return false;
    }
    SealKey key;
    if (!deriveSealKey(passphrase, header, &key)) {
        *error = QStringLiteral("Memoria insufficiente per aprire la copia.");
        return false;
    }
    return in.seek(0) && unsealToFolder(in, key, folder, names, error);
}

bool looksSealed(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           file.read(sealformat::kMagicSize) ==
               QByteArray(sealformat::kMagic, sealformat::kMagicSize);
}

} // namespace giudizi
