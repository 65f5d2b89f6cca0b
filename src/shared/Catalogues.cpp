#include "shared/Catalogues.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"

namespace giudizi {

QString flexibleTable(int term, int area)
{
    static const char* const areas[] = {"socioaffettiv", "responsabilit", "cognitivA", "cognitivB"};
    if (term < 1 || term > 3 || area < 0 || area > 3)
        return QString();
    return QString::fromLatin1(areas[area]) + QString::number(term);
}

QString rigidTable(int currentClass, int term)
{
    if (currentClass == 0)
        currentClass = 1;
    QString group;
    if (currentClass == 1 || currentClass == 2 || currentClass == 4)
        group = QStringLiteral("A");
    else if (currentClass == 3 || currentClass == 5)
        group = QStringLiteral("B");
    if (group.isEmpty() || term < 1 || term > 3)
        return QString();
    return QStringLiteral("classe") + group +
           (term == 1 ? QStringLiteral("q1") : QStringLiteral("q2"));
}

std::shared_ptr<Recordset> openFlexibleCatalogue(const QString& table)
{
    return Recordset::open(archiveStore().DescriptorDb, table, QString(), {},
                           QStringLiteral("ordine ASC"));
}

std::shared_ptr<Recordset> openRigidAspect(const QString& table, int step)
{
    return Recordset::open(archiveStore().DescriptorDb, table, QStringLiteral("tipo = ?"),
                           {step + 1}, QStringLiteral("ordine ASC"));
}

namespace {
void loadAspect(const char* table)
{
    const int step = appState().currentStep;
    if (step < 0 || step > 9)
        return;
    archiveStore().DescriptorCursor = openRigidAspect(QString::fromLatin1(table), step);
}
} // namespace

void CaricaClasseAq1()
{
    loadAspect("classeAq1");
}
void CaricaClasseAq2()
{
    loadAspect("classeAq2");
}
void CaricaClasseBq1()
{
    loadAspect("classeBq1");
}
void CaricaClasseBq2()
{
    loadAspect("classeBq2");
}

} // namespace giudizi
