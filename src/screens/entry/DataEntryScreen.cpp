#include "screens/entry/DataEntryScreen.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/KnownPupils.h"
#include "data/PupilRow.h"
#include "platform/ClickLabel.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "screens/entry/ClassListImportFlow.h"
#include "shared/Composition.h"
#include "shared/SchoolYears.h"
#include "shared/TypedNumbers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace giudizi {

namespace {
const QString kDuplicate =
    QStringLiteral("C'è già, in archivio, un giudizio su questo alunno.\n\r Se intendi "
                   "MODIFICARLO/SOSTITUIRLO clicca su SI'\n\rSe vuoi conservarlo e aggiungerne "
                   "uno NUOVO, clicca su NO");
// The class must be a number; `retry` says how to go on.
QString classNotNumber(const QString& retry)
{
    return QStringLiteral("La classe deve essere un numero intero maggiore di zero (per esempio "
                          "1, 2 o 3). Correggila e %1.")
        .arg(retry);
}

} // namespace

DataEntryScreen::DataEntryScreen(bool media)
    : Screen(media ? QStringLiteral("Giudizi - Dati dell'alunno (Scuola Media)")
                   : QStringLiteral("Giudizi - Dati dell'alunno (Scuola Elementare)"))
    , m_media(media)
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(20, 16, 20, 16);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setVerticalSpacing(8);
    root->addLayout(form);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setMinimumWidth(320);
    form->addRow(QStringLiteral("Cognome e nome"), m_name);

    auto* sexRow = new QHBoxLayout;
    m_male = makeClickLabel(QStringLiteral("LabM"), QStringLiteral("Maschio"), this);
    m_female = makeClickLabel(QStringLiteral("LabF"), QStringLiteral("Femmina"), this);
    for (ClickLabel* l : {m_male, m_female}) {
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumSize(110, 30);
        sexRow->addWidget(l);
    }
    sexRow->addStretch();
    form->addRow(QStringLiteral("Sesso"), sexRow);
    resetSexLabels();
    connect(m_male, &ClickLabel::clicked, this, &DataEntryScreen::LabM_Click);
    connect(m_female, &ClickLabel::clicked, this, &DataEntryScreen::LabF_Click);

    m_class = makeEditableCombo(QStringLiteral("Combo1"), {"1", "2", "3", "4", "5"},
                                media ? QStringLiteral("1") : QStringLiteral("5"), this);
    form->addRow(QStringLiteral("Classe"), m_class);
    m_section = makeEditableCombo(QStringLiteral("Combo2"),
                                  {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "L", "M"},
                                  QStringLiteral("A"), this);
    form->addRow(QStringLiteral("Sezione"), m_section);
    m_year = makeEditableCombo(QStringLiteral("Combo3"), schoolYearChoices(),
                               QStringLiteral("2004-2005"), this);
    form->addRow(QStringLiteral("Anno scolastico"), m_year);
    m_term =
        makeEditableCombo(QStringLiteral("Combo4"), {"1", "2", "3"}, QStringLiteral("1"), this);
    form->addRow(media ? QStringLiteral("Tri-Quadrimestre") : QStringLiteral("Tri - Quadrimestre"),
                 m_term);
    if (media) {
        m_language =
            makeEditableCombo(QStringLiteral("Combo5"),
                              {"nessuna", "Francese", "Spagnolo", "Tedesco", "Russo", "Inglese"},
                              QStringLiteral("Francese"), this);
        form->addRow(QStringLiteral("Seconda lingua straniera"), m_language);
    }
    m_opz1 = new QLineEdit(QStringLiteral("Nessuna"), this);
    m_opz1->setObjectName(QStringLiteral("TxtNomOpz1"));
    form->addRow(QStringLiteral("Attività opzionale 1"), m_opz1);
    m_opz2 = new QLineEdit(QStringLiteral("Nessuna"), this);
    m_opz2->setObjectName(QStringLiteral("TxtNomOpz2"));
    form->addRow(QStringLiteral("Attività opzionale 2"), m_opz2);

    auto* import = makeButton(QStringLiteral("cmdImportaElenco"),
                              QStringLiteral("Importo l'elenco della classe…"), this);
    auto* ok = makeButton(QStringLiteral("cmdfatto"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setMinimumWidth(120);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(import);
    buttons->addStretch();
    buttons->addWidget(ok);
    root->addSpacing(8);
    root->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &DataEntryScreen::cmdfatto_Click);
    connect(import, &QPushButton::clicked, this, &DataEntryScreen::cmdImportaElenco_Click);

    m_knownNames = new QStringListModel(this);
    m_completer = new QCompleter(m_knownNames, this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setFilterMode(Qt::MatchContains);
    m_name->setCompleter(m_completer);
    // Enter on an offered name picks it; only the next Enter confirms.
    connect(m_name, &QLineEdit::returnPressed, this, [this] {
        if (!m_completer->popup()->isVisible())
            cmdfatto_Click();
    });
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this,
            &DataEntryScreen::knownNamePicked);
    for (QComboBox* box : {m_class, m_section, m_year})
        connect(box, &QComboBox::currentTextChanged, this, &DataEntryScreen::refreshKnownNames);

    // Typing a class (not picking one) sets the class the rigid catalogue follows.
    connect(m_class->lineEdit(), &QLineEdit::textEdited, this, [](const QString& text) {
        if (auto value = parseClassOrTerm(text))
            appState().currentClass = static_cast<qint16>(*value);
    });
    if (!media) {
        connect(m_term->lineEdit(), &QLineEdit::textEdited, this, [](const QString& text) {
            if (auto value = parseClassOrTerm(text))
                appState().currentTerm = static_cast<qint16>(*value);
        });
    }
    m_name->clear();
    adjustSize();
}

void DataEntryScreen::showEvent(QShowEvent* event)
{
    // Names entered or imported since the last showing are offered too.
    refreshKnownNames();
    Screen::showEvent(event);
}

std::optional<ClassKey> DataEntryScreen::chosenClass() const
{
    const auto classe = parseClassOrTerm(m_class->currentText());
    if (!classe)
        return std::nullopt;
    return ClassKey{*classe, m_section->currentText().trimmed(), m_year->currentText().trimmed()};
}

void DataEntryScreen::refreshKnownNames()
{
    m_known.clear();
    const auto key = chosenClass();
    const auto archive = archiveStore().ArchiveDb;
    if (key && archive) {
        try {
            m_known = knownPupils(*archive, *key);
        } catch (const DbError&) {
            // Only a help to typing: the name is typed as it always was.
        }
    }
    QStringList names;
    for (const KnownPupil& pupil : std::as_const(m_known))
        names << pupil.nome;
    m_knownNames->setStringList(names);
}

void DataEntryScreen::knownNamePicked(const QString& name)
{
    // The box takes the name by itself only while it holds the focus.
    m_name->setText(name);
    for (const KnownPupil& pupil : std::as_const(m_known)) {
        if (pupil.nome != name)
            continue;
        if (pupil.sesso == QLatin1String("M"))
            LabM_Click();
        else if (pupil.sesso == QLatin1String("F"))
            LabF_Click();
        return;
    }
}

void DataEntryScreen::cmdImportaElenco_Click()
{
    const auto key = chosenClass();
    if (!key) {
        msg::info(this, classNotNumber(QStringLiteral("importa di nuovo l'elenco")));
        m_class->setFocus();
        return;
    }
    if (importClassList(this, archiveStore().ArchiveDb, *key))
        refreshKnownNames();
}

void DataEntryScreen::resetSexLabels()
{
    setBackground(m_male, colors::sexMaleOff);
    setBackground(m_female, colors::sexFemaleOff);
}

bool DataEntryScreen::sexChosen() const
{
    return !(background(m_male) == colors::sexMaleOff &&
             background(m_female) == colors::sexFemaleOff);
}

void DataEntryScreen::startPupil(int term)
{
    m_name->clear();
    if (term > 0)
        selectTerm(term);
    m_name->setFocus();
}

void DataEntryScreen::selectTerm(int term)
{
    const int index = m_term->findText(QString::number(term));
    if (index >= 0)
        m_term->setCurrentIndex(index);
    m_term->setEditText(QString::number(term));
}

void DataEntryScreen::LabM_Click()
{
    appState().pupilSex = QStringLiteral("M");
    setBackground(m_male, colors::sexChosen);
    setBackground(m_female, colors::sexFemaleOff);
}

void DataEntryScreen::LabF_Click()
{
    appState().pupilSex = QStringLiteral("F");
    setBackground(m_male, colors::sexMaleOff);
    setBackground(m_female, colors::sexChosen);
}

bool DataEntryScreen::collect(PupilData& pupil)
{
    const auto classe = parseClassOrTerm(m_class->currentText());
    if (!classe) {
        msg::info(this, classNotNumber(QStringLiteral("clicca di nuovo su OK")));
        m_class->setFocus();
        return false;
    }
    const auto term = parseClassOrTerm(m_term->currentText());
    if (!term) {
        msg::info(this, QStringLiteral("Il trimestre o quadrimestre deve essere un numero intero "
                                       "maggiore di zero (1, 2 o 3). Correggilo e clicca di nuovo "
                                       "su OK."));
        m_term->setFocus();
        return false;
    }
    pupil.nome = storedPupilName(m_name->text());
    pupil.sex = appState().pupilSex;
    pupil.scuola = m_media ? QStringLiteral("Medie") : QStringLiteral("Elementari");
    pupil.classe = *classe;
    // Stored as compared: "B " and "B" are the same section.
    pupil.sezione = m_section->currentText().trimmed();
    pupil.anno = m_year->currentText().trimmed();
    pupil.seclinstra = m_media ? m_language->currentText() : QStringLiteral("Nessuna");
    pupil.quadrimestre = *term;
    pupil.nomeopz1 = m_opz1->text().trimmed();
    pupil.nomeopz2 = m_opz2->text().trimmed();
    return true;
}

void DataEntryScreen::cmdfatto_Click()
{
    if (m_name->text().isEmpty()) {
        msg::info(this, QStringLiteral("Non hai scritto il nome dell'alunno."));
        m_name->setFocus();
        return;
    }
    if (!sexChosen()) {
        msg::info(this, QStringLiteral("Non hai indicato il sesso dell'alunno."));
        return;
    }
    PupilData pupil;
    if (!collect(pupil))
        return;
    if (!m_media) {
        for (CompositionScreen* screen : existingCompositions())
            screen->setText(QString());
    }
    resetSexLabels();
    if (!storeRow(pupil))
        return;
    QString stored;
    try {
        stored = archiveStore().CurrentJudgment->text(QStringLiteral("giudizio"));
    } catch (const DbError& e) {
        msg::info(this, e.text());
        return;
    }
    appState().currentTerm = static_cast<qint16>(pupil.quadrimestre);
    appState().currentStep = 0;
    openComposition(stored, pupil.classe);
    hide();
}

bool DataEntryScreen::storeRow(const PupilData& pupil)
{
    ArchiveStore& store = archiveStore();
    try {
        if (!store.CurrentJudgment || store.CurrentJudgment->table() != QLatin1String("giudizi"))
            store.CurrentJudgment =
                Recordset::openTable(store.ArchiveDb, QStringLiteral("giudizi"));
        auto same = addPupilUnlessPresent(*store.CurrentJudgment, pupil);
        if (!same)
            return true;
        if (msg::yesNo(this, kDuplicate)) {
            store.CurrentJudgment = same;
            store.CurrentJudgment->moveFirst();
            writePupilRow(*store.CurrentJudgment, pupil);
            return true;
        }
        addPupilRow(*store.CurrentJudgment, pupil); // a second row, as the teacher asked
        return true;
    } catch (const DbError& e) {
        msg::info(this,
                  QStringLiteral("I dati dell'alunno non sono stati salvati nell'archivio:\n%1")
                      .arg(e.text()));
        return false;
    }
}

void DataEntryScreen::openComposition(const QString& storedText, int classe)
{
    const QString caption = pupilCaption(classe, m_media, m_term->currentText());
    const QString name = compositionScreenFor(appState());
    auto* screen = ScreenRegistry::as<CompositionScreen>(name);
    if (!screen)
        return;
    screen->primeForPupil(m_name->text(), caption, storedText);
    ScreenRegistry::open(name);
}

} // namespace giudizi
