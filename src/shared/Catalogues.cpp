#include "shared/Catalogues.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"

#include <utility>

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

std::shared_ptr<Recordset> openRigidCatalogue(const QString& table)
{
    return Recordset::open(archiveStore().DescriptorDb, table, QString(), {},
                           QStringLiteral("tipo, ordine ASC"));
}

namespace {
void loadAspect(const QString& table)
{
    const int step = appState().currentStep;
    if (step < 0 || step > 9)
        return;
    archiveStore().DescriptorCursor = openRigidAspect(table, step);
}
} // namespace

void CaricaClasseAq1()
{
    loadAspect(QStringLiteral("classeAq1"));
}
void CaricaClasseAq2()
{
    loadAspect(QStringLiteral("classeAq2"));
}
void CaricaClasseBq1()
{
    loadAspect(QStringLiteral("classeBq1"));
}
void CaricaClasseBq2()
{
    loadAspect(QStringLiteral("classeBq2"));
}

void CaricaClasse(const QString& table)
{
    static const std::pair<const char*, void (*)()> loaders[] = {{"classeAq1", CaricaClasseAq1},
                                                                 {"classeAq2", CaricaClasseAq2},
                                                                 {"classeBq1", CaricaClasseBq1},
                                                                 {"classeBq2", CaricaClasseBq2}};
    for (const auto& [name, load] : loaders)
        if (table == QLatin1String(name))
            load();
}

} // namespace giudizi
