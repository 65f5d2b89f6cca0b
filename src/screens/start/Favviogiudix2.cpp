#include "screens/start/Favviogiudix2.h"

#include "data/AppState.h"
#include "platform/ClickLabel.h"
#include "platform/ScreenRegistry.h"
#include "screens/Handovers.h"

#include <QEvent>
#include <QPlainTextEdit>

namespace giudizi {

Favviogiudix2::Favviogiudix2()
    : WritingMenu(QStringLiteral("Modello FLESSIBILE"), QStringLiteral("fmodifica2"))
{
    connect(
        addTermEntry(QStringLiteral("Labprimo"), QStringLiteral("1° trimestre o quadrimestre"), 0),
        &ClickLabel::clicked, this, &Favviogiudix2::Labprimo_Click);
    connect(addTermEntry(QStringLiteral("Labsecondo"),
                         QStringLiteral("2° trimestre o quadrimestre"), 1),
            &ClickLabel::clicked, this, &Favviogiudix2::Labsecondo_Click);
    connect(addTermEntry(QStringLiteral("Labterzo"), QStringLiteral("3° trimestre"), 2),
            &ClickLabel::clicked, this, &Favviogiudix2::Labterzo_Click);
    guideBox()->viewport()->installEventFilter(this);
}

void Favviogiudix2::chooseTerm(qint16 term, const QString& caption)
{
    appState().currentTerm = term;
    if (auto* compose = ScreenRegistry::as<CompositionScreen>(QStringLiteral("Fgiudix2")))
        compose->setTermCaption(caption);
    AvvioGiudix();
}

void Favviogiudix2::Labprimo_Click()
{
    chooseTerm(1, QStringLiteral("1°T/Q"));
}

void Favviogiudix2::Labsecondo_Click()
{
    chooseTerm(2, QStringLiteral("2°T/Q"));
}

void Favviogiudix2::Labterzo_Click()
{
    chooseTerm(3, QStringLiteral("3°Trim."));
}

void Favviogiudix2::AvvioGiudix()
{
    const QString name = QStringLiteral("Fgiudix2");
    auto* compose = ScreenRegistry::as<CompositionScreen>(name);
    if (!compose)
        return;
    // The first area is highlighted, so its catalogue is the one loaded.
    appState().currentStep = 0;
    compose->highlightArea(0);
    hide();
    compose->loadCatalogue();
    ScreenRegistry::open(name);
}

void Favviogiudix2::Text1_Click()
{
    guideBox()->hide();
}

bool Favviogiudix2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == guideBox()->viewport() && event->type() == QEvent::MouseButtonRelease)
        Text1_Click();
    return WritingMenu::eventFilter(watched, event);
}

} // namespace giudizi
