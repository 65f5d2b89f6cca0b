#include "screens/archive/formGRIGLIA2.h"

#include "data/AppState.h"
#include "data/ArchiveGridModel.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
// A cell shows its value on one line: a judgment's line breaks become blanks
// (the column cuts what does not fit).
class OneLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        QString text = QStyledItemDelegate::displayText(value, locale);
        for (QChar& c : text)
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator)
                c = QLatin1Char(' ');
        return text;
    }
};

// Widths in twips: the fixed column, then the 27 columns of giudizi.
constexpr int kFixedColumnWidth = 350;
constexpr int kColumnWidths[] = {1800, 350, 850, 500,  700, 900,  1000, 1000, 4000,
                                 400,  400, 400, 400,  400, 400,  400,  400,  400,
                                 400,  400, 400, 1000, 500, 1000, 500,  400,  1000};
// A short value each column typically holds; the judgment is read in its tooltip.
QString typicalValue(const QString& column)
{
    static const QHash<QString, QString> samples = {
        {QStringLiteral("anno"), QStringLiteral("2025-2026")},
        {QStringLiteral("scuola"), QStringLiteral("Elementari")},
        {QStringLiteral("seclinstra"), QStringLiteral("Spagnolo")},
        {QStringLiteral("nomeopz1"), QStringLiteral("Nessuna")},
        {QStringLiteral("nomeopz2"), QStringLiteral("Nessuna")},
        {QStringLiteral("sex"), QStringLiteral("M")},
    };
    return samples.value(column, QStringLiteral("10"));
}
} // namespace

formGRIGLIA2::formGRIGLIA2()
    : Screen(QStringLiteral("Giudizi - Tabella panoramica dei giudizi"))
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(10, 8, 10, 8);

    m_model = new ArchiveGridModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new OneLineDelegate(m_grid));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->setFixedWidth(twipsToPixels(this, kFixedColumnWidth));
    root->addWidget(m_grid, 1);
    root->addWidget(buildNavigator());

    auto* buttons = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (formGRIGLIA2::*handler)();
    } actions[] = {
        {"cmdARCHIVIO", "Vado al modulo Archivio", &formGRIGLIA2::cmdARCHIVIO_Click},
        {"Cmdscrittura", "Vado al modulo scrittura", &formGRIGLIA2::Cmdscrittura_Click},
        {"cmdMODIFICA", "Per modificare e/o eliminare il contenuto",
         &formGRIGLIA2::cmdMODIFICA_Click},
        {"cmdmenù", "Menù", &formGRIGLIA2::cmdmenu_Click},
        {"cmsESCO", "Esco", &formGRIGLIA2::cmsESCO_Click},
    };
    for (const auto& action : actions) {
        auto* button =
            makeButton(QString::fromUtf8(action.name), QString::fromUtf8(action.caption), this);
        connect(button, &QPushButton::clicked, this, action.handler);
        buttons->addWidget(button);
    }
    root->addLayout(buttons);
    resize(1320, 700);
    move(0, 0);
}

QWidget* formGRIGLIA2::buildNavigator()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Data1"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto step = [this, bar](const QString& name, const QString& caption, const QString& tip,
                                  auto target) {
        auto* button = new QToolButton(bar);
        button->setObjectName(name);
        button->setText(caption);
        button->setToolTip(tip);
        button->setMinimumWidth(40);
        connect(button, &QToolButton::clicked, this, [this, target] { moveToRow(target()); });
        return button;
    };
    auto current = [this] {
        return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
    };
    row->addWidget(step(QStringLiteral("Data1Primo"), QStringLiteral("|◀"), QStringLiteral("Primo"),
                        [] { return 0; }));
    row->addWidget(step(QStringLiteral("Data1Precedente"), QStringLiteral("◀"),
                        QStringLiteral("Precedente"), [current] { return current() - 1; }));
    auto* caption = makeLabel(QStringLiteral("Data1Caption"), QStringLiteral("Per scorrere"), bar);
    caption->setAlignment(Qt::AlignCenter);
    caption->setMinimumWidth(160);
    row->addWidget(caption);
    row->addWidget(step(QStringLiteral("Data1Seguente"), QStringLiteral("▶"),
                        QStringLiteral("Seguente"), [current] { return current() + 1; }));
    row->addWidget(step(QStringLiteral("Data1Ultimo"), QStringLiteral("▶|"),
                        QStringLiteral("Ultimo"), [this] { return m_model->rowCount() - 1; }));
    row->addStretch();
    return bar;
}

void formGRIGLIA2::moveToRow(int row)
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    row = std::clamp(row, 0, rows - 1);
    const int column = m_grid->currentIndex().isValid() ? m_grid->currentIndex().column() : 0;
    const QModelIndex target = m_model->index(row, column);
    m_grid->setCurrentIndex(target);
    m_grid->scrollTo(target);
}

void formGRIGLIA2::refreshArchive()
{
    try {
        m_model->refresh(archiveStore().ArchiveDb);
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("Non riesco a leggere l'archivio:\n%1").arg(e.text()));
    }
    setColumnWidths();
}

void formGRIGLIA2::setColumnWidths()
{
    // Once per opening: the old widths are the least, widened so that no
    // header and no short value is cut; the judgment keeps its width.
    const QFontMetrics metrics(m_grid->font());
    const int cellMargins = 2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 3);
    const QFontMetrics headerMetrics(m_grid->horizontalHeader()->font());
    const int headerMargins = 2 * (m_grid->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2);
    for (int c = 0; c < m_model->columnCount() && c < int(std::size(kColumnWidths)); ++c) {
        const QString name = m_model->headerData(c, Qt::Horizontal).toString();
        int width = twipsToPixels(this, kColumnWidths[c]);
        if (name != QLatin1String("giudizio") && name != QLatin1String("nome"))
            width = std::max({width, headerMetrics.horizontalAdvance(name) + headerMargins,
                              metrics.horizontalAdvance(typicalValue(name)) + cellMargins});
        m_grid->setColumnWidth(c, width);
    }
}

void formGRIGLIA2::cmdARCHIVIO_Click()
{
    ScreenRegistry::open(archiveScreenFor(appState()));
    hide();
}

void formGRIGLIA2::Cmdscrittura_Click()
{
    AppState& state = appState();
    if (state.currentTerm == 0)
        state.currentTerm = 1;
    const QString compose = compositionScreenFor(state);
    if (auto* screen = ScreenRegistry::as<CompositionScreen>(compose)) {
        screen->loadCatalogue();
        ScreenRegistry::open(compose);
    }
    hide();
}

void formGRIGLIA2::cmdMODIFICA_Click()
{
    msg::info(this, QStringLiteral("Per MODIFICARE oppure ELIMINARE il contenuto delle celle "
                                   "bisogna cliccare su 'Vado al modulo archivio' e lì cercare, "
                                   "poi aggiustare il documento. "));
}

void formGRIGLIA2::cmdmenu_Click()
{
    refreshArchive();
    ScreenRegistry::open(menuScreenFor(appState()));
    hide();
}

void formGRIGLIA2::cmsESCO_Click()
{
    endProgram(0);
}

} // namespace giudizi
