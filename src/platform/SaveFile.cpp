#include "platform/SaveFile.h"

#include "platform/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace giudizi {

namespace {
const QString kRemembered = QStringLiteral("esportazione/cartella");

QString startFolder()
{
    QSettings settings(QStringLiteral("Giudizi"), QStringLiteral("Giudizi"));
    const QString last = settings.value(kRemembered).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    const QString folder = QDir(documents).filePath(QStringLiteral("Giudizi"));
    // When it cannot be made the dialog starts in the documents folder.
    return QDir().mkpath(folder) ? folder : documents;
}
} // namespace

std::optional<QString> chooseSaveFile(QWidget* parent, const QString& suggestedName,
                                      const QString& filter)
{
    QFileDialog dialog(parent, QStringLiteral("Salva con nome"), startFolder(), filter);
    dialog.setObjectName(QStringLiteral("salvaFile"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    const QString extension = QFileInfo(suggestedName).suffix();
    if (!extension.isEmpty())
        dialog.setDefaultSuffix(extension);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    const QFileInfo info(chosen);
    QSettings(QStringLiteral("Giudizi"), QStringLiteral("Giudizi"))
        .setValue(kRemembered, info.absolutePath());
    if (info.exists() &&
        !msg::yesNo(parent,
                    QStringLiteral("Il file «%1» esiste già. Lo sostituisco?").arg(info.fileName()),
                    msg::Default::No))
        return std::nullopt;
    return chosen;
}

std::optional<QString> chooseOpenFile(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent, QStringLiteral("Apri"), startFolder(), filter);
    dialog.setObjectName(QStringLiteral("apriFile"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    QSettings(QStringLiteral("Giudizi"), QStringLiteral("Giudizi"))
        .setValue(kRemembered, QFileInfo(chosen).absolutePath());
    return chosen;
}

QString fileNotWrittenMessage(const QString& path)
{
    return QStringLiteral("Il file «%1» non si può scrivere: controlla che la cartella esista e "
                          "che tu possa scriverci, poi riprova.")
        .arg(QFileInfo(path).fileName());
}

} // namespace giudizi
