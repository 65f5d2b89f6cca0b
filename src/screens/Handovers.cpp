#include "screens/Handovers.h"

#include "platform/ScreenRegistry.h"

namespace giudizi {

QString archiveScreenFor(const AppState& state)
{
    if (state.schoolLevel == QLatin1String("Elementari"))
        return QStringLiteral("FarchivElem");
    if (state.schoolLevel == QLatin1String("Medie"))
        return QStringLiteral("Farchiv2");
    return QString();
}

QString menuScreenFor(const AppState& state)
{
    if (isFlexibleModel(state))
        return QStringLiteral("Favviogiudix2");
    if (isRigidModel(state))
        return QStringLiteral("FavviogiudixRIG");
    return QString();
}

QString compositionScreenFor(const AppState& state)
{
    if (isFlexibleModel(state))
        return QStringLiteral("Fgiudix2");
    if (isRigidModel(state))
        return QStringLiteral("FgiudixRIGID");
    return QString();
}

QString attestatoScreenFor(const AppState& state)
{
    if (state.schoolLevel == QLatin1String("Elementari"))
        return QStringLiteral("FStampaELEM");
    if (state.schoolLevel == QLatin1String("Medie"))
        return QStringLiteral("FStampaFoglio");
    return QString();
}

QString entryScreenFor(const AppState& state)
{
    if (state.schoolLevel == QLatin1String("Elementari"))
        return QStringLiteral("FimmissioELEM");
    if (state.schoolLevel == QLatin1String("Medie"))
        return QStringLiteral("Fimmissio2");
    return QString();
}

void printGuide(QWidget* parent)
{
    if (auto* preview = ScreenRegistry::as<PagePreview>(QStringLiteral("frmPrintText")))
        reportPrintOutcome(parent, preview->CopiaHelp(appState().guideText, parent));
}

void openPanorama(QWidget* from)
{
    const QString panorama = QStringLiteral("formGRIGLIA2");
    if (auto* grid = ScreenRegistry::as<ArchiveOverview>(panorama))
        grid->refreshArchive();
    from->hide();
    ScreenRegistry::open(panorama);
}

QList<CompositionScreen*> existingCompositions()
{
    QList<CompositionScreen*> screens;
    for (const char* name : {"Fgiudix2", "FgiudixRIGID"})
        if (auto* screen =
                dynamic_cast<CompositionScreen*>(ScreenRegistry::find(QString::fromLatin1(name))))
            screens.append(screen);
    return screens;
}

} // namespace giudizi
