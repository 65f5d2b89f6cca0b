#include "printing/PrintPosition.h"

#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"

namespace giudizi {

std::shared_ptr<Recordset> openPositionRow(const QString& kind)
{
    ArchiveStore& store = archiveStore();
    store.PositionCursor = Recordset::open(store.PrintSettingsDb, QStringLiteral("posizione"),
                                           QStringLiteral("stampacosa = ?"), {kind}, QString());
    if (store.PositionCursor->recordCount() == 0)
        throw DbError(
            QStringLiteral("Nella tabella posizione manca la riga delle impostazioni di \"%1\".")
                .arg(kind));
    store.PositionCursor->moveFirst();
    return store.PositionCursor;
}

int ensureFontSize(Recordset& row)
{
    const QString column = QStringLiteral("DimCar");
    bool ok = false;
    const int size = row.field(column).toInt(&ok);
    if (!row.isNull(column) && ok && size > 0)
        return size;
    row.moveFirst();
    row.edit();
    row.setField(column, kDefaultPrintFontSize);
    row.update();
    return kDefaultPrintFontSize;
}

std::optional<FrameMargins> termMargins(const Recordset& row, int term)
{
    if (term < 1 || term > 3)
        return std::nullopt;
    const QString suffix = term == 1 ? QString() : QString::number(term);
    FrameMargins margins;
    margins.left = row.field(QStringLiteral("sinistra") + suffix).toDouble();
    margins.top = row.field(QStringLiteral("alto") + suffix).toDouble();
    margins.right = row.field(QStringLiteral("destra") + suffix).toDouble();
    margins.bottom = kFrameBottomMargin;
    return margins;
}

} // namespace giudizi
