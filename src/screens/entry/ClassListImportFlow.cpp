#include "screens/entry/ClassListImportFlow.h"

#include "data/DbError.h"
#include "data/KnownPupils.h"
#include "platform/MessageBox.h"
#include "platform/SaveFile.h"
#include "shared/ClassListImport.h"

#include <QFileInfo>

namespace giudizi {

namespace {

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
    const std::optional<QString> path = chooseOpenFile(
        parent, QStringLiteral("Elenchi della classe (*.csv *.txt *.tsv);;Tutti i file (*)"));
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
