#include "screens/archive/ResultSetActions.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"
#include "platform/NoticeLabel.h"
#include "platform/SaveFile.h"
#include "platform/Widgets.h"
#include "screens/archive/ArchiveRowDisplay.h"
#include "shared/JudgmentExport.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
// A file name stays on show long enough to be read.
constexpr int kExportNoticeMs = 10000;

QString exportedMessage(int rows, const QString& path)
{
    const QString what =
        rows == 1 ? QStringLiteral("1 giudizio") : QStringLiteral("%1 giudizi").arg(rows);
    return QStringLiteral("Ho esportato %1 nel file «%2».").arg(what, QFileInfo(path).fileName());
}

// The wait cursor for as long as the export runs, however it ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
} // namespace

ResultSetActions::ResultSetActions(ArchiveRowDisplay* display, QWidget* parent)
    : QWidget(parent)
    , m_display(display)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_copia = makeButton(QStringLiteral("cmdCopia"), QStringLiteral("Copia il giudizio"), this);
    m_copia->setToolTip(QStringLiteral("Copia negli appunti il giudizio sullo schermo, per "
                                       "incollarlo nel registro elettronico"));
    m_esporta = makeButton(QStringLiteral("cmdEsporta"),
                           QStringLiteral("Esporto i giudizi trovati…"), this);
    m_esporta->setToolTip(QStringLiteral("Scrive in un file CSV tutti i giudizi della classe "
                                         "cercata o di tutto l'archivio"));
    m_notice = new NoticeLabel(QStringLiteral("LabCopiato"), this);
    column->addWidget(m_copia);
    column->addWidget(m_esporta);
    column->addWidget(m_notice);

    connect(m_copia, &QPushButton::clicked, this, &ResultSetActions::cmdCopia_Click);
    connect(m_esporta, &QPushButton::clicked, this, &ResultSetActions::cmdEsporta_Click);
    connect(display, &ArchiveRowDisplay::judgmentChanged, this,
            [this] { m_copia->setEnabled(!m_display->judgmentText().isEmpty()); });
    m_copia->setEnabled(false);
    m_esporta->setEnabled(false);
}

void ResultSetActions::setResults(std::shared_ptr<Recordset> results,
                                  std::optional<QString> exportName)
{
    m_results = std::move(results);
    m_exportName = std::move(exportName);
    rowsChanged();
}

void ResultSetActions::rowsChanged()
{
    m_esporta->setEnabled(m_exportName && m_results && !m_results->isEmpty());
}

void ResultSetActions::cmdCopia_Click()
{
    const QString text = m_display->judgmentText();
    if (!text.isEmpty())
        copyJudgment(text, m_notice);
}

void ResultSetActions::cmdEsporta_Click()
{
    if (!m_exportName || !m_results)
        return;
    const std::optional<QString> path =
        chooseSaveFile(window(), *m_exportName, QStringLiteral("File CSV (*.csv)"));
    if (path)
        exportTo(*path);
}

void ResultSetActions::exportTo(const QString& path)
{
    // The result set may be replaced while the progress runs events.
    const std::shared_ptr<Recordset> rows = m_results;
    QProgressDialog progress(QStringLiteral("Esporto i giudizi…"), QStringLiteral("Annulla"), 0,
                             rows->recordCount(), window());
    progress.setObjectName(QStringLiteral("Esportazione"));
    progress.setWindowTitle(QStringLiteral("Esportazione"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ExportResult result;
    try {
        const WaitCursor wait;
        result = exportJudgments(*rows, path, [&progress](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    } catch (const DbError& e) {
        progress.reset();
        msg::info(window(),
                  QStringLiteral("Non ho esportato i giudizi: l'archivio non si legge.\n%1")
                      .arg(e.text()));
        return;
    }
    progress.reset();
    if (result.outcome == ExportOutcome::NotWritten)
        msg::info(window(), fileNotWrittenMessage(path));
    else if (result.outcome == ExportOutcome::Written)
        m_notice->flash(exportedMessage(result.rows, path), kExportNoticeMs);
}

} // namespace giudizi
