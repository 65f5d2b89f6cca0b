#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace giudizi {

class Recordset;
struct ClassQuery;

// The header row of an export, one caption for each column written.
extern const QStringList kExportHeader;

// The file name suggested for the export of a class search, or of the whole
// archive.
QString classExportFileName(const ClassQuery& query);
QString wholeArchiveExportFileName();

enum class ExportOutcome { Written, NotWritten, Cancelled };
struct ExportResult {
    ExportOutcome outcome = ExportOutcome::NotWritten;
    int rows = 0;
};

// Called now and then with the rows done and the rows in all; false cancels.
using ExportProgress = std::function<bool(int done, int total)>;

// Writes every row of `rows`, in its order, to the CSV file `path`, each
// column its stored value as text (empty for null). The file is written
// beside and renamed in at the end, so a failure or a cancel leaves any file
// that was there untouched. Throws DbError when the archive cannot be read
// (nothing is written then). The cursor of `rows` does not move.
ExportResult exportJudgments(const Recordset& rows, const QString& path,
                             const ExportProgress& progress = {});

} // namespace giudizi
