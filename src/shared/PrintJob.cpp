#include "shared/PrintJob.h"

#include <QRegularExpression>
#include <QStringList>

namespace giudizi {

namespace {
// "ROSSI MARIO 1A 2025-2026": the parts that are there, in this order.
QString joined(const QStringList& parts)
{
    QStringList present;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            present << part.trimmed();
    return present.join(QLatin1Char(' '));
}

QString classOf(const PupilRef& pupil)
{
    return pupil.classe.trimmed() + pupil.sezione.trimmed();
}

QString termOf(const PupilRef& pupil)
{
    return pupil.term.trimmed().isEmpty() ? QString()
                                          : QStringLiteral("periodo ") + pupil.term.trimmed();
}

PrintJob named(const QString& words)
{
    return PrintJob{words, safeFileName(words)};
}
} // namespace

PrintJob cardJob(const PupilRef& pupil)
{
    return named(
        joined({QStringLiteral("Scheda"), pupil.name, classOf(pupil), pupil.anno, termOf(pupil)}));
}

PrintJob verbaleJob(const PupilRef& pupil)
{
    return named(joined({QStringLiteral("Verbale"), pupil.name, classOf(pupil), pupil.anno}));
}

PrintJob attestatoJob(const PupilRef& pupil)
{
    return named(joined({QStringLiteral("Attestato"), pupil.name, pupil.anno}));
}

PrintJob classListJob(const PupilRef& classOf_)
{
    return named(joined({QStringLiteral("Elenco"), classOf(classOf_), classOf_.anno}));
}

PrintJob classCardsJob(const PupilRef& classOf_)
{
    return named(joined({QStringLiteral("Schede della classe"), classOf(classOf_), classOf_.anno,
                         termOf(classOf_)}));
}

PrintJob classAttestatiJob(const PupilRef& classOf_)
{
    return named(
        joined({QStringLiteral("Attestati della classe"), classOf(classOf_), classOf_.anno}));
}

PrintJob guideJob()
{
    return named(QStringLiteral("Guida rapida"));
}

PrintJob catalogueJob(bool rigid)
{
    return named(rigid ? QStringLiteral("Griglia rigida") : QStringLiteral("Griglia flessibile"));
}

QString safeFileName(const QString& name)
{
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f\\x7f]"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString safe = name;
    safe.replace(unsafe, QStringLiteral("-"));
    safe = safe.replace(blanks, QStringLiteral(" ")).trimmed();
    // A leading dot would hide the file.
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    return safe.isEmpty() ? QStringLiteral("Giudizi") : safe;
}

} // namespace giudizi
