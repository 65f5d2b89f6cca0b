#include "screens/archive/ArchiveRowDisplay.h"

#include "data/AppState.h"
#include "platform/Widgets.h"
#include "printing/CardFitLabel.h"
#include "shared/TypedNumbers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace giudizi {

namespace {
QLineEdit* makeBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}
} // namespace

ArchiveRowDisplay::ArchiveRowDisplay(bool media, QWidget* parent)
    : QWidget(parent)
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    root->addLayout(grid);

    m_name = makeBox(QStringLiteral("Text6"), this);
    m_class = makeBox(QStringLiteral("Text2"), this);
    m_section = makeBox(QStringLiteral("Text3"), this);
    m_year = makeBox(QStringLiteral("Text5"), this);
    m_term = makeBox(QStringLiteral("Text4"), this);
    m_opz1 = makeBox(QStringLiteral("TxtNomOpz1"), this);
    m_opz2 = makeBox(QStringLiteral("TxtNomOpz2"), this);
    m_opz1->setText(QStringLiteral("Nessuna"));
    m_opz2->setText(QStringLiteral("Nessuna"));
    const auto caption = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setStyleSheet(QStringLiteral("color: #404040;"));
        return label;
    };

    // Captions above their boxes: name across, then the class data.
    grid->addWidget(caption(QStringLiteral("Cognome e nome")), 0, 0, 1, 3);
    grid->addWidget(m_name, 1, 0, 1, 4);
    const QList<QPair<QString, QLineEdit*>> identity = {
        {QStringLiteral("Classe"), m_class},
        {QStringLiteral("Sezione"), m_section},
        {QStringLiteral("Anno scolastico"), m_year},
        {QStringLiteral("Tri-Quadrimestre"), m_term}};
    for (int i = 0; i < identity.size(); ++i) {
        grid->addWidget(caption(identity.at(i).first), 2, i);
        grid->addWidget(identity.at(i).second, 3, i);
    }
    int column = 0;
    if (media) {
        m_language = makeBox(QStringLiteral("Text7"), this);
        grid->addWidget(caption(QStringLiteral("2° Lingua straniera")), 4, 0);
        grid->addWidget(m_language, 5, 0);
        column = 1;
    }
    grid->addWidget(caption(QStringLiteral("Attività Opzionali:")), 4, column);
    auto* heads = caption(QStringLiteral("1    2"));
    heads->setObjectName(QStringLiteral("LabOpzionali"));
    grid->addWidget(heads, 4, column + 1);
    grid->addWidget(m_opz1, 5, column);
    grid->addWidget(m_opz2, 5, column + 1);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setAcceptRichText(false);
    m_text->setTabChangesFocus(true);
    QFont font = m_text->font();
    font.setPointSize(12);
    m_text->setFont(font);
    root->addWidget(m_text, 1);
    // The card print takes the term of the last search, or of the row on
    // show when there was none.
    root->addWidget(new CardFitLabel(
        m_text,
        [this] {
            const int term = appState().currentTerm;
            return term != 0 ? term : leadingNumber(shownTerm());
        },
        this));
    connect(m_text, &QTextEdit::textChanged, this, &ArchiveRowDisplay::judgmentChanged);

    m_school = makeLabel(QStringLiteral("LabScuola"), QString(), this);
    m_school->setStyleSheet(QStringLiteral("font-weight: bold; color: #600060;"));
    m_school->setWordWrap(false);
    m_school->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_school, 0, 3);
}

void ArchiveRowDisplay::showRow(const ShownJudgment& row)
{
    m_text->setPlainText(row.giudizio);
    m_name->setText(row.nome);
    m_class->setText(row.classe);
    if (m_language)
        m_language->setText(row.seclinstra);
    m_section->setText(row.sezione);
    m_year->setText(row.anno);
    m_term->setText(row.quadrimestre);
    m_opz1->setText(row.nomeopz1);
    m_opz2->setText(row.nomeopz2);
    if (row.scuola)
        m_school->setText(*row.scuola);
}

void ArchiveRowDisplay::clear()
{
    showRow(ShownJudgment());
    m_school->clear();
}

ShownJudgment ArchiveRowDisplay::typed() const
{
    ShownJudgment row;
    row.giudizio = m_text->toPlainText();
    row.nome = m_name->text();
    row.classe = m_class->text();
    if (m_language)
        row.seclinstra = m_language->text();
    row.sezione = m_section->text();
    row.anno = m_year->text();
    row.quadrimestre = m_term->text();
    row.nomeopz1 = m_opz1->text();
    row.nomeopz2 = m_opz2->text();
    row.scuola = m_school->text();
    return row;
}

QString ArchiveRowDisplay::judgmentText() const
{
    return m_text->toPlainText();
}

bool ArchiveRowDisplay::rowOnShow() const
{
    return !m_name->text().isEmpty() && !m_class->text().isEmpty();
}

QString ArchiveRowDisplay::shownTerm() const
{
    return m_term->text();
}

} // namespace giudizi
