#include "shared/CatalogueGrid.h"

namespace giudizi {

namespace {
constexpr int kSplitAt = 122;
// The indent of a rigid descriptor's second line.
const QString kRigidContinuation = QStringLiteral("      ");

// A number as the printer always wrote it: a sign position (a blank for a
// positive number), the digits, a trailing blank.
QString printedNumber(int number)
{
    return (number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
           QString::number(qAbs(number)) + QLatin1Char(' ');
}
} // namespace

QList<TextLine> flexibleGridLines(const QString& title, const QList<QStringList>& areas)
{
    QList<TextLine> lines{{QString(), false}, {title, false}, {QString(), false}};
    for (int a = 0; a < areas.size(); ++a) {
        if (a == 1 || a == 3) {
            lines.append({QString(), false});
            lines.append({QString(), false});
        } else if (a == 2) {
            lines.append({QString(), true});
            lines.append({QString(), false});
            lines.append({QString(), false});
        }
        const QStringList& phrases = areas.at(a);
        for (int j = 0; j < phrases.size(); ++j)
            lines.append({printedNumber(j) + QLatin1Char(' ') + phrases.at(j), false});
    }
    return lines;
}

QList<TextLine> rigidGridLines(const QString& subtitle, const QVector<RigidGridRow>& rows)
{
    QList<TextLine> lines{
        {QString(), false}, {QStringLiteral("Griglia ") + subtitle, false}, {QString(), false}};
    int counter = 0;
    bool breakPending = false;
    const auto add = [&](const QString& text, const QString& continuation = QString()) {
        lines.append(TextLine(text, breakPending, continuation));
        breakPending = false;
    };
    for (const RigidGridRow& row : rows) {
        if (!row.area.isEmpty()) {
            add(QString());
            add(row.area);
            counter += 2;
        }
        if (!row.inizio.isEmpty()) {
            add(row.inizio);
            counter += 1;
        }
        const QString number = printedNumber(row.ordine) + QLatin1Char(' ');
        if (row.indicatore.size() <= kSplitAt) {
            add(number + row.indicatore, kRigidContinuation);
        } else {
            add(number + row.indicatore.left(kSplitAt), kRigidContinuation);
            add(kRigidContinuation + row.indicatore.mid(kSplitAt), kRigidContinuation);
            counter += 1;
        }
        counter += 1;
        if (counter == 66 || counter == 132)
            breakPending = true;
    }
    for (int i = 0; i < 3; ++i)
        add(QString());
    return lines;
}

} // namespace giudizi
