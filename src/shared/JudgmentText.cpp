#include "shared/JudgmentText.h"

namespace giudizi {

QString capitalizeSentences(const QString& text)
{
    QString result = text;
    const qsizetype n = result.size();
    if (n == 0)
        return result;
    result[0] = result.at(0).toUpper();
    for (qsizetype i = 2; i < n; ++i) {
        if (result.at(i) != QLatin1Char('.'))
            continue;
        const qsizetype j = i + 2;
        if (j >= n)
            break;
        result[j] = result.at(j).toUpper();
        i = j;
    }
    return result;
}

QString applyGenderEndings(const QString& text, const QString& sex)
{
    QChar ending;
    if (sex == QLatin1String("M"))
        ending = QLatin1Char('o');
    else if (sex == QLatin1String("F"))
        ending = QLatin1Char('a');
    else
        return text;
    QString result = text;
    for (qsizetype i = 2; i < result.size(); ++i) {
        if (result.at(i) == QLatin1Char('#'))
            result[i] = ending;
    }
    return result;
}

} // namespace giudizi
