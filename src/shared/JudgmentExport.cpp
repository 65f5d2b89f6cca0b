#include "shared/JudgmentExport.h"

#include "data/ArchiveSearch.h"
#include "data/Recordset.h"
#include "shared/CsvWriter.h"
#include "shared/PrintJob.h"

#include <QSaveFile>

namespace giudizi {

namespace {
// The columns written, in the order of the header.
const QStringList kColumns{QStringLiteral("nome"),         QStringLiteral("classe"),
                           QStringLiteral("sezione"),      QStringLiteral("anno"),
                           QStringLiteral("quadrimestre"), QStringLiteral("scuola"),
                           QStringLiteral("giudizio")};
// How often the progress hears of the rows done.
constexpr int kProgressStep = 500;
} // namespace

const QStringList kExportHeader{QStringLiteral("Alunno"),  QStringLiteral("Classe"),
                                QStringLiteral("Sezione"), QStringLiteral("Anno scolastico"),
                                QStringLiteral("Periodo"), QStringLiteral("Scuola"),
                                QStringLiteral("Giudizio")};

QString classExportFileName(const ClassQuery& query)
{
    return safeFileName(QStringLiteral("Giudizi %1%2 %3 periodo %4")
                            .arg(query.classe)
                            .arg(query.sezione, query.anno)
                            .arg(query.quadrimestre)) +
           QStringLiteral(".csv");
}

QString wholeArchiveExportFileName()
{
    return safeFileName(QStringLiteral("Giudizi archivio completo")) + QStringLiteral(".csv");
}

ExportResult exportJudgments(const Recordset& rows, const QString& path,
                             const ExportProgress& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {ExportOutcome::NotWritten, 0};
    CsvWriter csv(file);
    csv.writeRow(kExportHeader);
    const int total = rows.recordCount();
    int done = 0;
    bool cancelled = false;
    rows.readEach(kColumns, [&](const QVector<QVariant>& values) {
        for (const QVariant& value : values)
            csv.writeField(value.isNull() ? QString() : value.toString());
        csv.endRow();
        ++done;
        if (progress && done % kProgressStep == 0 && !progress(done, total))
            cancelled = true;
        return !cancelled;
    });
    if (cancelled) {
        file.cancelWriting();
        return {ExportOutcome::Cancelled, done};
    }
    if (!csv.finish() || !file.commit())
        return {ExportOutcome::NotWritten, done};
    return {ExportOutcome::Written, done};
}

} // namespace giudizi
