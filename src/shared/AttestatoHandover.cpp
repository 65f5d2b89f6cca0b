#include "shared/AttestatoHandover.h"

namespace giudizi {

const QString kCardChosenAtStart = QStringLiteral(
    "All'avvio del programma, hai selezionato 'Stampo la scheda ministeriale'. Per stampare "
    "l'attestato torna al Menù e seleziona, in basso a sinistra:'Cambia Grado scuola e/o tipo "
    "attestato'");

QString levelRefusal(const QString& rowScuola, const QString& callerScreen)
{
    if (rowScuola == QLatin1String("Elementari") && callerScreen == QLatin1String("Farchiv2"))
        return QStringLiteral(
            "ATTENZIONE: stai lavorando con 'Scuola Media', ma vuoi l'attestato di un alunno delle "
            "Elementari. Per preparare questo attestato torna a 'Menù' e cambia 'Grado scuola'");
    if (rowScuola == QLatin1String("Medie") && callerScreen == QLatin1String("FarchivElem"))
        return QStringLiteral(
            "ATTENZIONE: stai lavorando con 'Sc.Elementari', ma vuoi l'attestato di un alunno "
            "delle "
            "Medie. Per preparare questo attestato torna a 'Menù' e cambia 'Grado scuola'.");
    return QString();
}

bool isLastTerm(const QString& termDivision, int quadrimestre)
{
    return (termDivision == QLatin1String("TRIMESTRE") && quadrimestre == 3) ||
           (termDivision == QLatin1String("QUADRIMESTRE") && quadrimestre == 2);
}

std::optional<AttestatoTarget> attestatoTarget(const QString& printTarget)
{
    if (printTarget == QLatin1String("AttestatoCON"))
        return AttestatoTarget{true, false};
    if (printTarget == QLatin1String("AttestatoSENZA"))
        return AttestatoTarget{false, false};
    if (printTarget == QLatin1String("giaintestatacon"))
        return AttestatoTarget{true, true};
    if (printTarget == QLatin1String("giaintestatasenza"))
        return AttestatoTarget{false, true};
    return std::nullopt;
}

} // namespace giudizi
