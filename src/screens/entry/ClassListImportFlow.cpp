#include "screens/entry/ClassListImportFlow.h"

#include "data/DbError.h"
#include "data/KnownPupils.h"
#include "platform/MessageBox.h"
#include "shared/ClassListImport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace giudizi {

namespace {

std::optional<QString> chooseClassListFile(QWidget* parent)
{
    QFileDialog dialog(
        parent, QStringLiteral("Scegli l'elenco della classe"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("Elenchi della classe (*.csv *.txt *.tsv);;Tutti i file (*)"));
    dialog.setObjectName(QStringLiteral("apriElenco"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString classCaption(const ClassKey& target)
{
    return QStringLiteral("classe %1 %2, anno scolastico %3")
        .arg(target.classe)
        .arg(target.sezione, target.anno);
}

} // namespace

bool importClassList(QWidget* parent, const std::shared_ptr<Database>& archive,
                     const ClassKey& target)
{
    const std::optional<QString> path = chooseClassListFile(parent);
    if (!path)
        return false;
    const ClassListFile file = readClassList(*path);
    if (!file.ok()) {
        msg::info(parent, file.error + QStringLiteral("\n\nL'elenco non è stato importato: non ho "
                                                      "registrato nessun nome."));
        return false;
    }
    QStringList names;
    for (const KnownPupil& pupil : file.pupils)
        names << pupil.nome;
    const QString question =
        QStringLiteral("Alunni trovati nel file «%1» (%2):\n\n%3.\n\nLi registro come elenco della "
                       "%4? L'elenco registrato prima per questa classe sarà sostituito.")
            .arg(QFileInfo(*path).fileName())
            .arg(names.size())
            .arg(names.join(QStringLiteral(", ")), classCaption(target));
    if (!msg::yesNo(parent, question, msg::Default::No))
        return false;
    try {
        replaceClassList(*archive, target, file.pupils);
    } catch (const DbError& e) {
        msg::info(
            parent,
            QStringLiteral("L'elenco non è stato registrato nell'archivio:\n%1").arg(e.text()));
        return false;
    }
    msg::info(parent, QStringLiteral("Ho registrato %1 alunni come elenco della %2.")
                          .arg(names.size())
                          .arg(classCaption(target)));
    return true;
}

} // namespace giudizi
