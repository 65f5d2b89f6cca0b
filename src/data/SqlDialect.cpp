#include "data/SqlDialect.h"

#include <QRegularExpression>

namespace giudizi {

QString serverSql(const QString& sql)
{
    static const QRegularExpression caseless(
        QStringLiteral(R"((\b[A-Za-z_][A-Za-z0-9_]*)\s*=\s*\?\s+COLLATE\s+NOCASE\b)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression leftover(QStringLiteral(R"(\s+COLLATE\s+NOCASE\b)"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString text = sql;
    text.replace(caseless, QStringLiteral("lower(\\1) = lower(CAST(? AS text) COLLATE \"C\")"));
    text.replace(leftover, QString());
    return text;
}

} // namespace giudizi
