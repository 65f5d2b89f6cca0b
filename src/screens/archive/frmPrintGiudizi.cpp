#include "screens/archive/frmPrintGiudizi.h"

#include "data/ArchiveRow.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/MessageBox.h"
#include "platform/PrinterDevice.h"
#include "platform/Widgets.h"
#include "printing/PlainTextPrint.h"
#include "shared/ClassList.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace giudizi {

namespace {
// The page of the class list (Arial 10, margins 15, 20, 20, 30 mm); the line
// count stays a limit, but the printed height decides first.
PlainTextPage classListPage()
{
    PlainTextPage page;
    page.maxLinesPerPage = 66;
    return page;
}
} // namespace

frmPrintGiudizi::frmPrintGiudizi()
    : Screen(QStringLiteral("Printing Plain Text"))
{
    auto* root = new QGridLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setHorizontalSpacing(12);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TxtMain"));
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setFixedSize(657, 465); // 9855 x 6975 twips
    root->addWidget(m_text, 0, 0);
    auto* close =
        makeButton(QStringLiteral("Command1"), QStringLiteral("Chiudi Anteprima di stampa"), this);
    close->setDefault(true);
    root->addWidget(close, 0, 1, Qt::AlignBottom | Qt::AlignLeft);
    root->setRowStretch(1, 1);
    root->setColumnStretch(2, 1);
    connect(close, &QPushButton::clicked, this, &frmPrintGiudizi::Command1_Click);
    Form_Load();
}

void frmPrintGiudizi::Form_Load()
{
    fillScreen(this);
}

PrintOutcome frmPrintGiudizi::CopiaPagina(QWidget* parent)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    m_text->setFont(font);
    m_text->clear();
    QString text;
    PrintJob job = classListJob({});
    try {
        if (const auto& handed = archiveStore().HandedJudgments) {
            text = classListText(*handed);
            job = classListJob(pupilRefOf(*handed));
        }
    } catch (const DbError& e) {
        msg::info(this, e.text());
        return PrintOutcome::DatabaseError;
    }
    m_text->setPlainText(text);
    return print(text, job, parent);
}

PrintOutcome frmPrintGiudizi::print(const QString& text, const PrintJob& job, QWidget* parent)
{
    PrinterDevice printer(job);
    if (!printer.chooseDestination(parent))
        return PrintOutcome::Cancelled;
    PlainTextPrinter plain(printer, classListPage());
    return plain.printText(text);
}

void frmPrintGiudizi::Command1_Click()
{
    hide();
}

} // namespace giudizi
