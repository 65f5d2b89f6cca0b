#pragma once

#include <QString>
#include <QVariant>

namespace giudizi {

// The program-wide state one screen sets and another reads. Created empty at
// start, never saved.
struct AppState {
    QString model;       // "Flessibile" or "Rigido"
    QString schoolLevel; // "Medie" or "Elementari"
    QString printTarget; // "" (ministerial card), "giaintestatacon", "giaintestatasenza",
                         // "AttestatoCON", "AttestatoSENZA"
    qint16 currentTerm = 0;
    qint16 currentClass = 0;
    QString pupilSex;     // "M" or "F"
    QString callerScreen; // window class to return to
    qint16 currentStep = 0;
    qint16 descriptorCount = 0;
    qint16 printFontSize = 0;
    QString termDivision;    // "TRIMESTRE" or "QUADRIMESTRE"
    QString attestatoOutput; // "Anteprima" or "Stampa"
    QString guideText;
};

AppState& appState();
void resetAppState();

inline bool isFlexibleModel(const AppState& s)
{
    return s.model == QLatin1String("Flessibile");
}
inline bool isRigidModel(const AppState& s)
{
    return s.model == QLatin1String("Rigido");
}

} // namespace giudizi
