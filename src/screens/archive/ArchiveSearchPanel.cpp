#include "screens/archive/ArchiveSearchPanel.h"

#include "data/ArchiveSearch.h"
#include "platform/Widgets.h"
#include "shared/SchoolYears.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

ArchiveSearchPanel::ArchiveSearchPanel(const QStringList& classes, QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* title =
        makeLabel(QStringLiteral("Label11"), QStringLiteral("Organizza qui la tua ricerca"), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    column->addWidget(title);

    m_byPupil = makeButton(QStringLiteral("cmdalunno"),
                           QStringLiteral("Clicca qui se cerchi i dati di un ALUNNO"), this);
    m_byClass = makeButton(QStringLiteral("cmdclasse"),
                           QStringLiteral("Clicca qui se cerchi i dati di una CLASSE"), this);
    column->addWidget(m_byPupil);
    column->addWidget(m_byClass);

    m_nameCaption = makeLabel(QStringLiteral("Label12"),
                              QStringLiteral("Inserisci qui COGNOME e NOME dell'alunno"), this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1"));
    column->addWidget(m_nameCaption);
    column->addWidget(m_name);

    m_class = makeEditableCombo(QStringLiteral("Combo1"), classes, kChooseClass, this);
    m_section =
        makeEditableCombo(QStringLiteral("Combo2"), {"A", "B", "C", "D", "E", "F", "G", "H", "I"},
                          kChooseSection, this);
    m_year = makeEditableCombo(QStringLiteral("Combo3"), schoolYearChoices(), kChooseYear, this);
    m_term = makeEditableCombo(QStringLiteral("Combo4"), {"1", "2", "3"}, kChooseTerm, this);
    for (QComboBox* combo : {m_class, m_section, m_year, m_term})
        column->addWidget(combo);

    m_ok = makeButton(QStringLiteral("cmdok"), QStringLiteral("OK"), this);
    column->addWidget(m_ok);
    column->addSpacing(16);
    m_all = makeButton(QStringLiteral("cmdTUTTO"), QStringLiteral("Vedo TUTTO"), this);
    column->addWidget(m_all);
    column->addStretch();
}

void ArchiveSearchPanel::showControls(bool pupil, bool classes)
{
    m_nameCaption->setVisible(pupil);
    m_name->setVisible(pupil);
    for (QComboBox* combo : {m_class, m_section, m_year, m_term})
        combo->setVisible(classes);
    m_ok->setVisible(pupil || classes);
}

void ArchiveSearchPanel::startPupilSearch()
{
    showControls(true, false);
    m_name->clear();
    m_name->setFocus();
}

void ArchiveSearchPanel::startClassSearch()
{
    showControls(false, true);
    m_class->setFocus();
}

QString ArchiveSearchPanel::typedName() const
{
    return m_name->text();
}

ClassChoice ArchiveSearchPanel::classChoice() const
{
    return {m_class->currentText(), m_section->currentText(), m_year->currentText(),
            m_term->currentText()};
}

} // namespace giudizi
