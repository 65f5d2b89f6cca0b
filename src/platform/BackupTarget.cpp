#include "platform/BackupTarget.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

namespace giudizi {

namespace {
const QString kRemembered = QStringLiteral("copia/cartella");
} // namespace

QString lastBackupFolder()
{
    const QString fixed = environment::floppyDirectory();
    if (!fixed.isEmpty())
        return fixed;
    return QSettings(QStringLiteral("Giudizi"), QStringLiteral("Giudizi"))
        .value(kRemembered)
        .toString();
}

std::optional<QString> chooseBackupFolder(QWidget* parent)
{
    const QString fixed = environment::floppyDirectory();
    if (!fixed.isEmpty())
        return fixed;
    QSettings settings(QStringLiteral("Giudizi"), QStringLiteral("Giudizi"));
    const QString last = settings.value(kRemembered, QDir::homePath()).toString();
    const QString chosen = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Scegli dove copiare l'archivio"), last);
    if (chosen.isEmpty())
        return std::nullopt;
    settings.setValue(kRemembered, chosen);
    return chosen;
}

} // namespace giudizi
