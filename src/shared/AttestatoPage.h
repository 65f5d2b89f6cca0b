#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace giudizi {

// The attestato as a page of plain text: blanks for centring, dots for the
// subject columns. The screens gather the values; these functions write the
// lines that the preview shows and the printer prints.

// A caption of the attestato screen and its width there, in millimetres.
struct SheetCaption {
    QString text;
    double width = 0;
};

// Everything the page takes from the attestato screen.
struct AttestatoSheet {
    bool media = true;
    bool withMarks = true;
    SheetCaption title;        // LabTit
    SheetCaption schoolName;   // LabNomeScuola
    SheetCaption address;      // LabIndir
    SheetCaption yearLabel;    // Label3 "Anno scolastico"
    SheetCaption year;         // LabAnno
    SheetCaption termLabel;    // Label4 "VALUTAZIONI DEL"
    SheetCaption term;         // LabQuad, "1°"
    SheetCaption termKind;     // Label6, "TRIMESTRE" or "QUADRIMESTRE"
    SheetCaption pupil;        // LabAlunno
    SheetCaption classLabel;   // Label5 "Classe"
    SheetCaption classe;       // LabClasse
    SheetCaption sectionLabel; // Label10 "Sezione"
    SheetCaption section;      // LabSezione
    QStringList marks;         // the mark boxes in box order (13 Media, 11 Elementare)
    QString secondLanguage;    // Media: the second language on the sheet
    QString optionalName1;     // LabNomOpz1
    QString optionalName2;     // LabNomOpz2
    QString optionalMark1;     // TxtOpz1
    QString optionalMark2;     // TxtOpz2
    QString judgment;          // TxtGiudizio
    bool lastTerm = false;     // the admission sentence is printed
    QString admission;         // LabFinale
    QString signature;         // Label2
    QString headTeacher;       // LabDirSco
};

// The page in three parts: the filler line ends after the judgment only push
// the admission sentence and the signature towards the foot of the page.
struct AttestatoPage {
    QString head;         // up to the judgment and its own line end
    int fillerBreaks = 0; // the filler line ends
    QString tail;         // admission sentence, signature, head teacher
    QString text() const;
};

AttestatoPage buildAttestatoPage(const AttestatoSheet& sheet);

// Drops filler line ends (never the judgment's own) until the page's printed
// lines fit `linesOnPage`, as far as the fillers allow. `printedLines` counts
// the lines a text takes once wrapped on the printer.
void fitPage(AttestatoPage& page, const std::function<int(const QString&)>& printedLines,
             int linesOnPage);

// The blanks that indent a line by `indent` millimetres (a blank is 1.4 mm).
QString SpaziVuoti(int indent);
// A line centred on the 210 mm sheet: blanks for (210 - width) / 2, then the text.
QString centredLine(const QString& text, double width);

// The dotted label of a subject column ("    Italiano........."); the short
// one when the mark is exactly "NS".
struct SubjectLabels {
    QString normal;
    QString withNS;
};
// The second language's label: "nessuna" in any case (or nothing) means no
// language; the four listed languages have their labels, any other name a
// label built the same way.
QString secondLanguageLabel(const QString& language, const QString& mark);
// Whether the pupil has a second language ("nessuna" in any case, or nothing,
// means none).
bool hasSecondLanguage(const QString& language);
// Whether an optional-activity name means the pupil takes none.
bool isNoActivity(const QString& name);
// The two optional-activity columns of a subject row.
QString optionalColumn1(bool media, const QString& name, const QString& mark);
QString optionalColumn2(bool media, const QString& name, const QString& mark,
                        const QString& column1);

// The admission sentence for a pupil of `classe` and `sex` ("M" or "F");
// nothing for another sex or a class the school does not have.
std::optional<QString> admissionSentence(bool media, int classe, const QString& sex, bool admitted);

} // namespace giudizi
