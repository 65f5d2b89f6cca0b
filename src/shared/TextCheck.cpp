#include "shared/TextCheck.h"

#include <QRegularExpression>

namespace giudizi {

namespace {

QRegularExpression pattern(const QString& expression)
{
    return QRegularExpression(expression, QRegularExpression::UseUnicodePropertiesOption |
                                              QRegularExpression::CaseInsensitiveOption);
}

// Every match of `expression` in `text`, as `kind`, quoting capture `group`.
void collect(QList<TextRemark>& remarks, const QString& text, const QRegularExpression& expression,
             TextRemark::Kind kind, int group = 0)
{
    auto matches = expression.globalMatch(text);
    while (matches.hasNext())
        remarks.append({kind, matches.next().captured(group)});
}

} // namespace

QList<TextRemark> checkJudgmentText(const QString& text)
{
    // Blanks here are spaces and tabs: a line break ends a line.
    static const QRegularExpression ending = pattern(QStringLiteral("[^\\s]*#[^\\s]*"));
    static const QRegularExpression repeated =
        pattern(QStringLiteral("(?<![\\w'’])(\\w+)[ \\t]+\\1(?![\\w'’])"));
    static const QRegularExpression blankBefore = pattern(QStringLiteral("[^\\s]+[ \\t]+[.,;:]+"));
    static const QRegularExpression noBlankAfter =
        pattern(QStringLiteral("[^\\s.,;:]*[.,;:](?=\\p{L})[^\\s]*"));
    static const QRegularExpression doubleBlank =
        pattern(QStringLiteral("[^\\s]+[ \\t]{2,}[^\\s]+"));
    QList<TextRemark> remarks;
    collect(remarks, text, ending, TextRemark::Kind::EndingLeft);
    collect(remarks, text, repeated, TextRemark::Kind::RepeatedWord);
    collect(remarks, text, blankBefore, TextRemark::Kind::BlankBeforeMark);
    collect(remarks, text, noBlankAfter, TextRemark::Kind::NoBlankAfterMark);
    collect(remarks, text, doubleBlank, TextRemark::Kind::DoubleBlank);
    return remarks;
}

QString remarkText(const TextRemark& remark)
{
    QString what;
    switch (remark.kind) {
    case TextRemark::Kind::EndingLeft:
        what = QStringLiteral("una desinenza non applicata");
        break;
    case TextRemark::Kind::RepeatedWord:
        what = QStringLiteral("una parola ripetuta");
        break;
    case TextRemark::Kind::BlankBeforeMark:
        what = QStringLiteral("uno spazio prima della punteggiatura");
        break;
    case TextRemark::Kind::NoBlankAfterMark:
        what = QStringLiteral("manca lo spazio dopo la punteggiatura");
        break;
    case TextRemark::Kind::DoubleBlank:
        what = QStringLiteral("due spazi di seguito");
        break;
    }
    return QStringLiteral("%1: «%2»").arg(what, remark.quoted);
}

QString printCheckQuestion(const QStringList& lines, bool many)
{
    return (many ? QStringLiteral("Prima di stampare, guarda questi giudizi:\n")
                 : QStringLiteral("Prima di stampare, guarda il giudizio:\n")) +
           lines.join(QLatin1Char('\n')) + QStringLiteral("\nStampo lo stesso?");
}

} // namespace giudizi
