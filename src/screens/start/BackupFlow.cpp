#include "screens/start/BackupFlow.h"

#include "data/ArchiveStore.h"
#include "data/Backup.h"
#include "data/SealedBackup.h"
#include "platform/BackupTarget.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"

#include <QApplication>

namespace giudizi {

namespace {
const QString kWarning = QStringLiteral(
    "Se sul floppy è già presente una copia dell'archivio, essa verrà sovrascritta. Al termine "
    "della copia il programma verrà chiuso. Non resta che riavviarlo...");
const QString kPassphrase = QStringLiteral(
    "Password per proteggere la copia (lasciala vuota per una copia senza password):");
const QString kAgain = QStringLiteral("Riscrivi la stessa password:");
const QString kDiffer = QStringLiteral(
    "Le due password non sono uguali: non ho fatto la copia. Riprova e scrivi due volte la stessa "
    "password.");
const QString kNotCopied =
    QStringLiteral("Probabilmente non hai inserito un Floppy nuovo. Inseriscilo e riprova.");
} // namespace

void backUpArchive(QWidget* parent)
{
    if (!msg::okCancel(parent, kWarning, msg::Default::No))
        return;
    const std::optional<QString> folder = chooseBackupFolder(parent);
    if (!folder)
        return;
    const std::optional<QString> passphrase = msg::askPassword(parent, kPassphrase);
    if (!passphrase)
        return;
    const std::optional<QString> again = msg::askPassword(parent, kAgain);
    if (!again)
        return;
    if (*passphrase != *again) {
        msg::info(parent, kDiffer);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString reason;
    const QList<BackupItem> items = dataFilesOf(archiveStore());
    bool copied = false;
    if (passphrase->isEmpty()) {
        copied = backUpDatabases(items, *folder, &reason);
        if (copied)
            removeSealedCopy(*folder);
    } else {
        copied = backUpSealed(items, *folder, passphrase->toUtf8(), &reason);
    }
    QApplication::restoreOverrideCursor();
    if (!copied) {
        qWarning("giudizi: backup to %s failed: %s", qPrintable(*folder), qPrintable(reason));
        msg::info(parent, kNotCopied);
        return;
    }
    endProgram(0);
}

} // namespace giudizi
