#include "app/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLockFile>
#include <QTranslator>
#include <memory>

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DailyCopies.h"
#include "data/DataFolder.h"
#include "data/DataSource.h"
#include "data/Restore.h"
#include "platform/MessageBox.h"
#include "platform/ScreenRegistry.h"
#include "platform/ServerLogin.h"
#include "printing/FimpostaSTAMPA.h"
#include "printing/Formstampa2.h"
#include "screens/archive/Farchiv2.h"
#include "screens/archive/FarchivElem.h"
#include "screens/archive/formGRIGLIA2.h"
#include "screens/archive/frmPrintGiudizi.h"
#include "screens/attestato/FStampaELEM.h"
#include "screens/attestato/FStampaFoglio.h"
#include "screens/attestato/frmPrintText.h"
#include "screens/compose/Fgiudix2.h"
#include "screens/compose/FgiudixRIGID.h"
#include "screens/descriptors/FmodificRIGID.h"
#include "screens/descriptors/fmodifica2.h"
#include "screens/entry/Fimmissio2.h"
#include "screens/entry/FimmissioELEM.h"
#include "screens/start/Favvio.h"
#include "screens/start/Favviogiudix2.h"
#include "screens/start/FavviogiudixRIG.h"

namespace giudizi {

namespace {
// The data folder belongs to one running copy of the program at a time.
std::unique_ptr<QLockFile>& folderLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

// Every dialog of the toolkit speaks Italian (buttons, folder dialog).
void speakItalian()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

// Takes the data folder for this run; the teacher's message when it cannot.
QString lockDataFolder()
{
    folderLock().reset(); // a new run in this process takes the folder afresh
    const QString folder = QDir::current().absoluteFilePath(datafiles::folder());
    auto lock = std::make_unique<QLockFile>(folder + QStringLiteral("/giudizi.lock"));
    lock->setStaleLockTime(0); // held for the whole run: only a dead holder frees it
    if (lock->tryLock(0)) {
        folderLock() = std::move(lock);
        return QString();
    }
    if (lock->error() == QLockFile::LockFailedError)
        return QStringLiteral("Il programma è già aperto su questi dati (cartella %1): chiudi "
                              "l'altra finestra e riprova.")
            .arg(folder);
    return QStringLiteral("La cartella dei dati %1 non si può scrivere: controlla che non sia "
                          "protetta da scrittura.")
        .arg(folder);
}

// Every window class, so that screens can reach each other by name.
void registerScreens()
{
    ScreenRegistry::registerScreen<Favvio>();
    ScreenRegistry::registerScreen<Favviogiudix2>();
    ScreenRegistry::registerScreen<FavviogiudixRIG>();
    ScreenRegistry::registerScreen<Fimmissio2>();
    ScreenRegistry::registerScreen<FimmissioELEM>();
    ScreenRegistry::registerScreen<Fgiudix2>();
    ScreenRegistry::registerScreen<FgiudixRIGID>();
    ScreenRegistry::registerScreen<Formstampa2>();
    ScreenRegistry::registerScreen<FimpostaSTAMPA>();
    ScreenRegistry::registerScreen<Farchiv2>();
    ScreenRegistry::registerScreen<FarchivElem>();
    ScreenRegistry::registerScreen<frmPrintGiudizi>();
    ScreenRegistry::registerScreen<formGRIGLIA2>();
    ScreenRegistry::registerScreen<FStampaFoglio>();
    ScreenRegistry::registerScreen<FStampaELEM>();
    ScreenRegistry::registerScreen<frmPrintText>();
    ScreenRegistry::registerScreen<fmodifica2>();
    ScreenRegistry::registerScreen<FmodificRIGID>();
}
} // namespace

void releaseDataFolder()
{
    folderLock().reset();
}

bool startApplication()
{
    return startApplication(qEnvironmentVariable("GIUDIZI_SERVER"));
}

bool startApplication(const QString& server)
{
    ScreenRegistry::destroyAll();
    speakItalian();
    registerScreens();
    resetAppState();
    archiveStore().reset();
    releaseDataFolder();
    datasource::useLocalFolder();
    Database::setChangeHook({});

    QString refusal;
    if (!server.trimmed().isEmpty()) {
        // The server keeps the archive: it has its own backups, and many
        // copies of the program share it, so the folder is neither locked
        // nor copied day by day.
        const auto address = reachServer(server, askServerPassword, &refusal);
        if (address)
            datasource::useServer(*address);
        else if (refusal.isEmpty())
            refusal = QStringLiteral("Senza collegamento al server il programma non parte.");
    } else {
        Database::setChangeHook(
            [](const Database& changed) { dailycopies::beforeChange(changed.path()); });
    }

    // A folder that exists is taken before any of its files is opened, so a
    // second copy touches nothing; a new one is taken once it is made.
    const bool local = !datasource::onServer();
    const bool existed = QFileInfo(datafiles::folder()).isDir();
    if (refusal.isEmpty() && existed && local)
        refusal = lockDataFolder();
    // A restore cut short by a run that died is undone before anything opens.
    if (refusal.isEmpty() && existed && local)
        restore::finishInterrupted();
    const DataFolderResult data =
        refusal.isEmpty() ? prepareDataFolder(!local) : DataFolderResult();
    if (refusal.isEmpty() && !data.ok)
        refusal = data.error;
    if (refusal.isEmpty() && !existed && local)
        refusal = lockDataFolder();
    if (!refusal.isEmpty()) {
        msg::info(nullptr, refusal);
        endProgram(1);
        return false;
    }
    auto* start = ScreenRegistry::get<Favvio>();
    if (!start->Form_Load())
        return false;
    showScreen(start);
    return true;
}

} // namespace giudizi
