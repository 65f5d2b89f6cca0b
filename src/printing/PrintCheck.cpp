#include "printing/PrintCheck.h"

#include "data/ArchiveSearch.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "shared/TextCheck.h"

namespace giudizi {

namespace {

// Lines beyond these go behind "Mostra dettagli", so the buttons stay on screen.
constexpr int kLinesShown = 10;

bool askToPrint(QWidget* parent, const QStringList& lines, bool many)
{
    if (lines.isEmpty())
        return true;
    QStringList shown = lines.mid(0, kLinesShown);
    QString details;
    if (lines.size() > kLinesShown) {
        shown << QStringLiteral("- … e altri %1 (in \"Mostra dettagli\")")
                     .arg(lines.size() - kLinesShown);
        details = lines.join(QLatin1Char('\n'));
    }
    return msg::yesNo(parent, printCheckQuestion(shown, many), QStringLiteral("Stampo lo stesso"),
                      QStringLiteral("Correggo"), msg::Default::No, details);
}

QStringList remarkLines(const QString& text)
{
    QStringList lines;
    for (const TextRemark& remark : checkJudgmentText(text))
        lines << remarkText(remark);
    return lines;
}

QString sameTextLine(const QString& other)
{
    return QStringLiteral("lo stesso testo del giudizio di %1").arg(other);
}

// The other pupils of the pupil's class, section, year and term whose
// judgment is `text`.
QStringList othersWithText(const PupilRef& pupil, const QString& text)
{
    bool classOk = false;
    bool termOk = false;
    ClassQuery query;
    query.classe = pupil.classe.trimmed().toInt(&classOk);
    query.sezione = pupil.sezione.trimmed();
    query.anno = pupil.anno.trimmed();
    query.quadrimestre = pupil.term.trimmed().toInt(&termOk);
    const auto& archive = archiveStore().ArchiveDb;
    if (!classOk || !termOk || !archive)
        return {};
    QStringList others;
    try {
        searchClass(archive, query)
            ->readEach({QStringLiteral("nome"), QStringLiteral("giudizio")},
                       [&](const QVector<QVariant>& values) {
                           const QString name = values.at(0).toString();
                           if (values.at(1).toString().trimmed() == text.trimmed() &&
                               name.trimmed().compare(pupil.name.trimmed(), Qt::CaseInsensitive) !=
                                   0)
                               others << name;
                           return true;
                       });
    } catch (const DbError&) {
        // Without the class the look goes on with the text alone.
    }
    return others;
}

} // namespace

bool checkBeforePrinting(QWidget* parent, const QString& text, const PupilRef& pupil)
{
    QStringList lines;
    for (const QString& line : remarkLines(text))
        lines << QStringLiteral("- ") + line;
    for (const QString& other : othersWithText(pupil, text))
        lines << QStringLiteral("- ") + sameTextLine(other);
    return askToPrint(parent, lines, false);
}

bool checkClassBeforePrinting(QWidget* parent, const QList<PupilText>& pupils,
                              const QStringList& withoutText)
{
    QStringList lines;
    for (const PupilText& pupil : pupils) {
        QStringList found = remarkLines(pupil.text);
        for (const PupilText& other : pupils)
            if (&other != &pupil && other.text.trimmed() == pupil.text.trimmed())
                found << sameTextLine(other.name);
        if (!found.isEmpty())
            lines << QStringLiteral("- %1: %2").arg(pupil.name, found.join(QStringLiteral("; ")));
    }
    for (const QString& name : withoutText)
        lines << QStringLiteral("- %1: nessun giudizio").arg(name);
    return askToPrint(parent, lines, true);
}

} // namespace giudizi
