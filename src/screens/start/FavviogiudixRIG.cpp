#include "screens/start/FavviogiudixRIG.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBox.h"
#include "platform/ScreenRegistry.h"
#include "screens/Handovers.h"
#include "shared/Catalogues.h"

namespace giudizi {

FavviogiudixRIG::FavviogiudixRIG()
    : WritingMenu(QStringLiteral("Modello RIGIDO"), QStringLiteral("FmodificRIGID"))
{
    struct Entry {
        const char* name;
        const char* caption;
        void (FavviogiudixRIG::*handler)();
    };
    const Entry entries[] = {
        {"LabAq1", "1ª e 2ª Media, 4ª Elementare\n1° trimestre o quadrimestre",
         &FavviogiudixRIG::LabAq1_Click},
        {"LabAq2", "1ª e 2ª Media, 4ª Elementare\n2° e 3° periodo", &FavviogiudixRIG::LabAq2_Click},
        {"LabBq1", "3ª Media, 5ª Elementare\n1° trimestre o quadrimestre",
         &FavviogiudixRIG::LabBq1_Click},
        {"LabBq2", "3ª Media, 5ª Elementare\n2° e 3° periodo", &FavviogiudixRIG::LabBq2_Click},
    };
    int column = 0;
    for (const Entry& e : entries)
        connect(addTermEntry(QString::fromLatin1(e.name), QString::fromUtf8(e.caption), column++),
                &ClickLabel::clicked, this, e.handler);
}

void FavviogiudixRIG::chooseGroup(const QString& table, qint16 term, qint16 group,
                                  const QString& caption, int entryTerm)
{
    try {
        archiveStore().DescriptorCursor = openRigidAspect(table, 0);
    } catch (const DbError& e) {
        msg::info(this, e.text());
        return;
    }
    appState().currentTerm = term;
    appState().currentClass = group;
    auto* compose = ScreenRegistry::as<CompositionScreen>(QStringLiteral("FgiudixRIGID"));
    if (!compose)
        return;
    compose->setTermCaption(caption);
    if (entryTerm > 0)
        if (auto* entry = ScreenRegistry::as<PupilEntry>(QStringLiteral("FimmissioELEM")))
            entry->selectTerm(entryTerm);
    compose->clearLists();
    CaricaSeguente();
}

void FavviogiudixRIG::LabAq1_Click()
{
    chooseGroup(QStringLiteral("classeAq1"), 1, 1, QStringLiteral("1°2°M 4°E 1°T/Q"), 0);
}

void FavviogiudixRIG::LabAq2_Click()
{
    chooseGroup(QStringLiteral("classeAq2"), 2, 1, QStringLiteral("1°2°M 4°E 2°T/Q"), 2);
}

void FavviogiudixRIG::LabBq1_Click()
{
    chooseGroup(QStringLiteral("classeBq1"), 1, 3, QStringLiteral("3°M 5°E 1°T/Q"), 1);
}

void FavviogiudixRIG::LabBq2_Click()
{
    chooseGroup(QStringLiteral("classeBq2"), 2, 3, QStringLiteral("3°M 5°E 2°T/Q"), 2);
}

void FavviogiudixRIG::CaricaSeguente()
{
    const QString name = QStringLiteral("FgiudixRIGID");
    auto* compose = ScreenRegistry::as<CompositionScreen>(name);
    if (!compose)
        return;
    try {
        compose->showDescriptorCursor();
    } catch (const DbError& e) {
        msg::info(this, e.text());
        return;
    }
    compose->highlightArea(0);
    hide();
    ScreenRegistry::open(name);
}

} // namespace giudizi
