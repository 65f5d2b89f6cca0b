#include "shared/AttestatoPage.h"

#include <cmath>

namespace giudizi {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
constexpr double kSheetWidth = 210;  // mm
constexpr double kBlankWidth = 1.4;  // mm, a blank of Arial 12
constexpr int kJudgmentLinesOf = 88; // characters a judgment line stands for
constexpr int kJudgmentRoom = 12;    // such lines the page keeps for the judgment

QString breaks(int count)
{
    return count > 0 ? kLineEnd.repeated(count) : QString();
}

QString blanks(int count)
{
    return count > 0 ? QString(count, QLatin1Char(' ')) : QString();
}

QString dots(int count)
{
    return count > 0 ? QString(count, QLatin1Char('.')) : QString();
}

// Halves go to the even number, as the old rounding did.
double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

// The labels of the first two subject columns, in box order; empty where the
// box has no dotted label of its own.
QList<SubjectLabels> mediaLabels()
{
    return {{"    Italiano.........", "    Italiano......"},
            {"    Storia............", "    Storia........."},
            {"    Geografia.....", "    Geografia.."},
            {"    Inglese..........", "    Inglese......."},
            {},
            {"Matematica.....", "Matematica.."},
            {"Scienze...........", "Scienze........"},
            {"Tecnologia.......", "Tecnologia...."},
            {},
            {},
            {},
            {},
            {"Informatica......", "Informatica..."}};
}

QList<SubjectLabels> elementaryLabels()
{
    return {{"    Italiano............", "    Italiano........."},
            {"    Storia..............", "    Storia..........."},
            {"Matematica.........", "Matematica......"},
            {"Scienze...............", "Scienze............"},
            {"    Inglese...........", "    Inglese........"},
            {},
            {"    Geografia.......", "    Geografia...."},
            {"Tecnol. e Infor.....", "Tecnol. e Infor.."},
            {},
            {"Musica.................", "Musica.............."},
            {}};
}

// "Italiano........." followed by the mark of box `box`.
QString subject(const QList<SubjectLabels>& labels, const QStringList& marks, int box)
{
    const QString mark = marks.value(box);
    const SubjectLabels& label = labels.at(box);
    return (mark == QLatin1String("NS") ? label.withNS : label.normal) + mark;
}

QString subjectRows(const AttestatoSheet& s)
{
    const QString gap = blanks(24);
    const QStringList& m = s.marks;
    QStringList rows;
    if (s.media) {
        const QList<SubjectLabels> l = mediaLabels();
        const QString column1 = optionalColumn1(true, s.optionalName1, s.optionalMark1);
        rows << subject(l, m, 0) + gap + subject(l, m, 5) + gap + "Arte e Immagine...." + m.value(8)
             << subject(l, m, 1) + gap + subject(l, m, 6) + gap + "Musica..................." +
                    m.value(9)
             << subject(l, m, 2) + gap + subject(l, m, 7) + gap + "Scienze Motorie...." +
                    m.value(10)
             << subject(l, m, 3) + gap + subject(l, m, 12) + gap + "Religione..............." +
                    m.value(11)
             << secondLanguageLabel(s.secondLanguage, m.value(4)) + m.value(4) + gap + column1 +
                    blanks(15) + optionalColumn2(true, s.optionalName2, s.optionalMark2, column1);
    } else {
        const QList<SubjectLabels> l = elementaryLabels();
        rows << subject(l, m, 0) + gap + subject(l, m, 2) + gap + "Arte e Immagine......" +
                    m.value(5)
             << subject(l, m, 1) + gap + subject(l, m, 3) + gap + "Sc. motorie e sport..." +
                    m.value(10)
             << subject(l, m, 6) + gap + subject(l, m, 7) + gap + "Religione................." +
                    m.value(8)
             << subject(l, m, 4) + gap + subject(l, m, 9) + gap +
                    optionalColumn1(false, s.optionalName1, s.optionalMark1)
             << optionalColumn2(false, s.optionalName2, s.optionalMark2, QString());
    }
    QString text;
    for (int i = 0; i < rows.size(); ++i)
        text += rows.at(i) + breaks(i < rows.size() - 1 ? 2 : 3);
    return text;
}

} // namespace

QString AttestatoPage::text() const
{
    return head + breaks(fillerBreaks) + tail;
}

QString SpaziVuoti(int indent)
{
    return blanks(static_cast<int>(roundHalfEven(indent / kBlankWidth)));
}

QString centredLine(const QString& text, double width)
{
    const int indent = static_cast<int>(std::floor((kSheetWidth - roundHalfEven(width)) / 2));
    return SpaziVuoti(indent) + text;
}

bool hasSecondLanguage(const QString& language)
{
    const QString name = language.trimmed();
    return !name.isEmpty() && name.compare(QLatin1String("nessuna"), Qt::CaseInsensitive) != 0;
}

bool isNoActivity(const QString& name)
{
    return name == QLatin1String("Nessuna");
}

QString secondLanguageLabel(const QString& language, const QString& mark)
{
    if (!hasSecondLanguage(language))
        return dots(29);
    const QString name = language.trimmed();
    const bool ns = mark == QLatin1String("NS");
    if (name == QLatin1String("Francese") || name == QLatin1String("Spagnolo"))
        return QStringLiteral("    ") + name + dots(ns ? 3 : 6);
    if (name == QLatin1String("Tedesco"))
        return QStringLiteral("    Tedesco") + dots(ns ? 4 : 7);
    if (name == QLatin1String("Russo"))
        return QStringLiteral("    Russo") + dots(ns ? 9 : 12);
    // Any other language: built like "    Francese......" (14 characters
    // before the dots end), three dots fewer before "NS".
    const int count = std::max(2, 14 - static_cast<int>(name.size()));
    return QStringLiteral("    ") + name + dots(ns ? std::max(1, count - 3) : count);
}

QString optionalColumn1(bool media, const QString& name, const QString& mark)
{
    if (isNoActivity(name))
        return blanks(media ? 29 : 26);
    return name + dots((media ? 19 : 24) - static_cast<int>(name.size())) + mark;
}

QString optionalColumn2(bool media, const QString& name, const QString& mark,
                        const QString& column1)
{
    if (isNoActivity(name))
        return blanks(29);
    if (!media)
        return blanks(4) + name + dots(19 - static_cast<int>(name.size())) + mark;
    // After a named first column, the second starts 25 characters from its start.
    const int taken = column1.trimmed().isEmpty() ? 0 : static_cast<int>(column1.size());
    const QString lead = blanks(25 - taken) + name;
    return lead + dots(27 - static_cast<int>(lead.size())) + mark;
}

AttestatoPage buildAttestatoPage(const AttestatoSheet& s)
{
    QString head;
    if (s.withMarks)
        head += breaks(2);
    head += centredLine(s.title.text, s.title.width) + breaks(1);
    head += centredLine(s.schoolName.text, s.schoolName.width) + breaks(1);
    head += centredLine(s.address.text, s.address.width) + breaks(4);
    head += centredLine(QStringLiteral("Anno Scolastico ") + s.year.text,
                        s.yearLabel.width + s.year.width + 2) +
            breaks(2);
    head += centredLine(QStringLiteral("VALUTAZIONI DEL ") + s.term.text + QLatin1Char(' ') +
                            s.termKind.text,
                        s.termKind.width + s.termLabel.width + s.term.width) +
            breaks(4);
    head += centredLine(s.pupil.text, s.pupil.width) + breaks(s.withMarks ? 1 : 4);
    head += centredLine(QStringLiteral("Classe ") + s.classe.text + QStringLiteral("°"),
                        s.classe.width + s.classLabel.width) +
            breaks(1);
    head += centredLine(QStringLiteral("Sezione ") + s.section.text,
                        s.sectionLabel.width + s.section.width) +
            breaks(s.withMarks ? 3 : 17);
    if (s.withMarks)
        head += subjectRows(s);
    head += QStringLiteral("Giudizio globale") + breaks(2);

    // The judgment keeps its own line end: what follows never joins its last line.
    const int length = static_cast<int>(s.judgment.size());
    const int lineEnds = std::max(1, 2 * (kJudgmentRoom - length / kJudgmentLinesOf));
    AttestatoPage page;
    page.head = head + s.judgment + breaks(1);
    page.fillerBreaks = lineEnds - 1;
    if (s.lastTerm)
        page.tail += s.admission + breaks(2);
    page.tail += s.signature + breaks(1) + s.headTeacher;
    return page;
}

void fitPage(AttestatoPage& page, const std::function<int(const QString&)>& printedLines,
             int linesOnPage)
{
    const int excess = printedLines(page.text()) - linesOnPage;
    if (excess > 0)
        page.fillerBreaks -= std::min(page.fillerBreaks, excess);
}

std::optional<QString> admissionSentence(bool media, int classe, const QString& sex, bool admitted)
{
    static const QStringList mediaTargets = {"alla classe seconda.", "alla classe terza.",
                                             "all'esame di Stato."};
    static const QStringList elementaryTargets = {
        "alla classe seconda.", "alla classe terza.", "alla classe quarta.", "alla classe quinta.",
        "alla classe prima della Scuola Secondaria di I grado."};
    const QStringList& targets = media ? mediaTargets : elementaryTargets;
    if (classe < 1 || classe > targets.size())
        return std::nullopt;
    QString who;
    if (sex == QLatin1String("M"))
        who = admitted ? QStringLiteral("l'alunno è stato ammesso ")
                       : QStringLiteral("l'alunno NON è stato ammesso ");
    else if (sex == QLatin1String("F"))
        who = admitted ? QStringLiteral("l'alunna è stata ammessa ")
                       : QStringLiteral("l'alunna NON è stata ammessa ");
    else
        return std::nullopt;
    return QStringLiteral("VISTI la valutazione e il giudizio finale deliberati dal Consiglio di "
                          "Classe, ") +
           who + targets.at(classe - 1);
}

} // namespace giudizi
