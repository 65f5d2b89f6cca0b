#include "screens/start/RestoreFlow.h"

#include "data/ArchiveStore.h"
#include "data/DailyCopies.h"
#include "data/Restore.h"
#include "data/SealedCopy.h"
#include "platform/BackupTarget.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

namespace giudizi {

namespace {

const QString kOtherFolder = QStringLiteral("Un'altra cartella…");

// One copy on offer: where its three files are, and the day it names.
struct Offer {
    QString caption;
    QString folder; // empty: another folder, chosen when picked
    QDate day;      // an automatic copy's day
};

// The sealed copy in `folder`, when there is one.
QString sealedIn(const QString& folder)
{
    const QString sealed = QDir(folder).filePath(sealedCopyFileName());
    return !folder.isEmpty() && looksSealed(sealed) ? sealed : QString();
}

bool holdsCopy(const QString& folder)
{
    const QDir dir(folder);
    return !folder.isEmpty() && ((dir.exists(QStringLiteral("Valutazioni.mdb")) &&
                                  dir.exists(QStringLiteral("DBgiudix2.mdb")) &&
                                  dir.exists(QStringLiteral("stampagiudix.mdb"))) ||
                                 dir.exists(sealedCopyFileName()));
}

// The three files of a sealed copy opened into `into` with the passphrase
// the teacher types; false when cancelled or refused (told).
bool unsealed(QWidget* parent, const QString& sealed, const QString& into)
{
    const std::optional<QString> passphrase =
        msg::askPassword(parent, QStringLiteral("Password della copia:"));
    if (!passphrase)
        return false;
    QString reason;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = unsealFiles(sealed, passphrase->toUtf8(), into, nullptr, &reason);
    QApplication::restoreOverrideCursor();
    if (!opened)
        msg::info(parent, reason);
    return opened;
}

QList<Offer> offers()
{
    QList<Offer> list;
    const QString medium = lastBackupFolder();
    if (holdsCopy(medium))
        list.append(
            {QStringLiteral("La copia di sicurezza in %1").arg(QDir::toNativeSeparators(medium)),
             medium, QDate()});
    for (const QDate& day : dailycopies::days())
        list.append({QStringLiteral("Copia automatica del %1")
                         .arg(day.toString(QStringLiteral("dd/MM/yyyy"))),
                     dailycopies::folderOf(day), day});
    list.append({kOtherFolder, QString(), QDate()});
    return list;
}

std::optional<QString> chooseOtherFolder(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Scegli la cartella della copia"),
                       lastBackupFolder().isEmpty() ? QDir::homePath() : lastBackupFolder());
    dialog.setObjectName(QStringLiteral("cartellaCopia"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString question(const restore::CopyFacts& facts)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QString judgments =
        facts.judgments == 1 ? QStringLiteral("1 giudizio")
                             : QStringLiteral("%1 giudizi").arg(italian.toString(facts.judgments));
    const QString year =
        facts.newestYear.isEmpty()
            ? QStringLiteral("nessun anno scolastico")
            : QStringLiteral("anno scolastico più recente %1").arg(facts.newestYear);
    return QStringLiteral("Ripristino la copia del %1: %2, %3.\nL'archivio di adesso sarà messo da "
                          "parte nella cartella pergiudix/prima-del-ripristino-… e il programma si "
                          "chiuderà. Continuo?")
        .arg(facts.date.toString(QStringLiteral("dd/MM/yyyy")), judgments, year);
}

} // namespace

void restoreArchive(QWidget* parent)
{
    const QList<Offer> list = offers();
    QStringList captions;
    for (const Offer& offer : list)
        captions << offer.caption;
    const std::optional<int> picked =
        msg::choose(parent, QStringLiteral("Da quale copia ripristino l'archivio?"), captions);
    if (!picked)
        return;
    Offer offer = list.at(*picked);
    if (offer.folder.isEmpty()) {
        const std::optional<QString> folder = chooseOtherFolder(parent);
        if (!folder)
            return;
        offer.folder = *folder;
    }
    // A sealed copy is opened aside first; the archive is not touched by it.
    const QString sealed = sealedIn(offer.folder);
    QTemporaryDir opened;
    if (!sealed.isEmpty()) {
        if (!opened.isValid() || !unsealed(parent, sealed, opened.path()))
            return;
        offer.folder = opened.path();
        offer.day = QFileInfo(sealed).lastModified().date();
    }
    QString reason;
    std::optional<restore::CopyFacts> facts = restore::checkCopy(offer.folder, &reason);
    if (!facts) {
        msg::info(parent, QStringLiteral("Questa copia non si può ripristinare. %1\nL'archivio non "
                                         "è stato cambiato.")
                              .arg(reason));
        return;
    }
    if (offer.day.isValid())
        facts->date = offer.day;
    if (!msg::yesNo(parent, question(*facts), msg::Default::No))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const restore::Outcome outcome =
        restore::restoreFrom(offer.folder, dataFilesOf(archiveStore()), &reason);
    QApplication::restoreOverrideCursor();
    opened.remove(); // nothing of an opened sealed copy stays behind
    if (outcome != restore::Outcome::Restored) {
        qWarning("giudizi: restore from %s failed: %s", qPrintable(offer.folder),
                 qPrintable(reason));
        if (outcome == restore::Outcome::RestartNeeded) {
            msg::info(parent, QStringLiteral("Il ripristino non è riuscito. %1").arg(reason));
            endProgram(0);
            return;
        }
        msg::info(parent, QStringLiteral("Il ripristino non è riuscito. %1\nL'archivio è rimasto "
                                         "quello di prima.")
                              .arg(reason));
        return;
    }
    msg::info(parent, QStringLiteral("Ho ripristinato l'archivio dalla copia. Il programma ora si "
                                     "chiude: avvialo di nuovo."));
    endProgram(0);
}

} // namespace giudizi
