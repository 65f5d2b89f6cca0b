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

void printGuide(QWidget* parent)
{
    if (auto* preview = ScreenRegistry::as<PagePreview>(QStringLiteral("frmPrintText")))
        reportPrintOutcome(parent, preview->CopiaHelp(appState().guideText));
}

} // namespace giudizi
