#include "screens/attestato/AttestatoScreen.h"

#include "data/AppState.h"
#include "data/ArchiveRow.h"
#include "data/ArchiveStore.h"
#include "data/AttestatoData.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "screens/attestato/SchoolDataFrame.h"
#include "screens/attestato/SheetMockup.h"
#include "shared/AttestatoHandover.h"
#include "shared/AttestatoPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
const QString kWrongTerm = QStringLiteral("Hai sbagliato a scrivere... Correggi");

QString upperTrimmed(const QString& text)
{
    return text.toUpper().trimmed();
}

std::optional<AttestatoTarget> chosenTarget()
{
    return attestatoTarget(appState().printTarget);
}
} // namespace

AttestatoScreen::AttestatoScreen(bool media, const QString& title)
    : Screen(title)
    , m_media(media)
{
    setBackground(this, QColor(255, 224, 192));
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(14, 10, 14, 10);
    root->setSpacing(16);
    m_sheet = new SheetMockup(media, this);
    root->addWidget(m_sheet, 1);

    auto* buttons = new QVBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (AttestatoScreen::*handler)();
    } actions[] = {
        {"CmdScuola", "Modifica i dati sulla scuola", &AttestatoScreen::CmdScuola_Click},
        {"CmdSalvaVoti", "SALVA i voti (ma non stampare)", &AttestatoScreen::CmdSalvaVoti_Click},
        {"CmdAnteprima", "Anteprima di stampa", &AttestatoScreen::CmdAnteprima_Click},
        {"CmdStampa", "STAMPA", &AttestatoScreen::CmdStampa_Click},
        {"CmdScrittura", "TORNA", &AttestatoScreen::CmdScrittura_Click},
        {"Cmdmenu", "Menù", &AttestatoScreen::Cmdmenu_Click},
        {"CmdEsco", "Esco", &AttestatoScreen::CmdEsco_Click},
    };
    for (const auto& action : actions) {
        auto* button =
            makeButton(QString::fromLatin1(action.name), QString::fromUtf8(action.caption), this);
        button->setMinimumWidth(230);
        connect(button, &QPushButton::clicked, this, action.handler);
        buttons->addWidget(button);
        if (button->objectName() == QLatin1String("CmdSalvaVoti"))
            m_saveMarks = button;
        if (button->objectName() == QLatin1String("CmdStampa"))
            buttons->addSpacing(16);
    }
    buttons->addStretch();
    root->addLayout(buttons);

    connect(m_sheet->admittedButton(), &QPushButton::clicked, this, &AttestatoScreen::Ammesso);
    connect(m_sheet->notAdmittedButton(), &QPushButton::clicked, this,
            &AttestatoScreen::NONammesso);

    // The school-data editor stands over the upper part of the sheet.
    m_schoolFrame = new SchoolDataFrame(media, m_sheet);
    m_schoolFrame->hide();
    connect(m_schoolFrame->saveButton(), &QPushButton::clicked, this,
            &AttestatoScreen::CmdFrame1_Click);
    resize(1200, 720);
    move(0, 0);
}

void AttestatoScreen::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    m_schoolFrame->setGeometry(0, 0, m_sheet->width(), m_schoolFrame->sizeHint().height());
}

bool AttestatoScreen::composeSheet(const QString& printTarget)
{
    const std::optional<AttestatoTarget> target = attestatoTarget(printTarget);
    return target && compose(target->withMarks, target->letterhead);
}

bool AttestatoScreen::compose(bool withMarks, bool letterhead)
{
    // Everything that can fail is read first: a sheet that cannot be made
    // leaves no half-made screen, and no screen tied to the previous pupil.
    const auto abandon = [this] {
        m_row.reset();
        hide();
        return false;
    };
    if (!Intestazione())
        return abandon();
    SchoolData school;
    PupilOnSheet pupil;
    std::shared_ptr<Recordset> row;
    try {
        school = readSchoolData(*m_school);
        const auto& handed = archiveStore().HandedJudgments;
        if (!handed)
            throw MissingRowError();
        row = openSheetRow(archiveStore().ArchiveDb, handed->bookmark());
        pupil = readPupilOnSheet(*row);
    } catch (const DbError& e) {
        msg::info(this, QStringLiteral("Non riesco a preparare l'attestato:\n%1").arg(e.text()));
        return abandon();
    }
    SheetMarks marks;
    if (withMarks) {
        try {
            marks = readMarks(*row, m_media);
        } catch (const DbError&) {
            // Marks that cannot be read leave their boxes empty.
        }
    }
    // The sheet keeps its own cursor; the current record is another one on
    // the same row, so what other screens do with it never moves this one.
    m_row = row;
    m_term = pupil.term;
    // The last term is decided here, at the hand-over, and stays so until the
    // next one: editing the school data later must not offer or print an
    // admission the screen did not set up.
    m_division = school.trimquad.value_or(QString());
    appState().termDivision = m_division;
    try {
        archiveStore().CurrentJudgment = openSheetRow(archiveStore().ArchiveDb, row->bookmark());
    } catch (const DbError&) {
        archiveStore().CurrentJudgment = row;
    }

    for (const char* name : {"LabTit", "LabNomeScuola", "LabIndir"})
        m_sheet->label(QString::fromLatin1(name))->setVisible(!letterhead);
    m_sheet->showMarks(withMarks);
    m_saveMarks->setVisible(withMarks);
    showSchool(school, letterhead);
    showPupil(pupil);
    if (withMarks) {
        for (int box = 0; box < m_sheet->markCount(); ++box)
            m_sheet->markBox(box)->setText(marks.boxes.value(box));
        if (m_sheet->optionalBox(1)->isEnabled())
            m_sheet->optionalBox(1)->setText(marks.opz1);
        if (m_sheet->optionalBox(2)->isEnabled())
            m_sheet->optionalBox(2)->setText(marks.opz2);
    }
    return true;
}

void AttestatoScreen::showSchool(const SchoolData& school, bool letterhead)
{
    const auto text = [](const std::optional<QString>& value) { return value.value_or(QString()); };
    // Paper with a letterhead has the school on it already.
    m_sheet->label(QStringLiteral("LabTit"))
        ->setText(letterhead ? QString() : text(school.titolosc));
    m_sheet->label(QStringLiteral("LabNomeScuola"))
        ->setText(letterhead ? QString() : text(school.nomesc));
    m_sheet->label(QStringLiteral("LabIndir"))
        ->setText(letterhead ? QString() : text(school.indirizzosc));
    m_sheet->label(QStringLiteral("LabDirSco"))->setText(text(school.dirigentesc));
    m_sheet->label(QStringLiteral("Label6"))->setText(text(school.trimquad));
}

void AttestatoScreen::showPupil(const PupilOnSheet& pupil)
{
    m_sheet->label(QStringLiteral("LabAnno"))->setText(pupil.anno);
    m_sheet->label(QStringLiteral("LabQuad"))->setText(pupil.quadrimestre + QStringLiteral("°"));
    m_sheet->label(QStringLiteral("LabAlunno"))->setText(pupil.nome);
    m_sheet->label(QStringLiteral("LabClasse"))->setText(pupil.classe);
    m_sheet->label(QStringLiteral("LabSezione"))->setText(pupil.sezione);
    m_sheet->judgmentBox()->setPlainText(pupil.giudizio);
    if (m_media) {
        m_sheet->subjectLabel(4)->setText(pupil.seclinstra);
        m_sheet->markBox(4)->setEnabled(hasSecondLanguage(pupil.seclinstra));
    }
    m_sheet->label(QStringLiteral("LabNomOpz1"))->setText(pupil.nomeopz1);
    m_sheet->label(QStringLiteral("LabNomOpz2"))->setText(pupil.nomeopz2);
    m_sheet->optionalBox(1)->setEnabled(!isNoActivity(pupil.nomeopz1));
    m_sheet->optionalBox(2)->setEnabled(!isNoActivity(pupil.nomeopz2));
}

bool AttestatoScreen::Intestazione()
{
    try {
        m_school = openSchoolRow(archiveStore().ArchiveDb);
        const SchoolData data = readSchoolData(*m_school);
        const struct {
            std::optional<QString> value;
            const char* column;
            QString prompt;
        } fields[] = {
            {data.titolosc, "titolosc",
             QStringLiteral("Scrivi qui il Titolo della scuola 'Es: SCUOLA MEDIA STATALE'")},
            {data.nomesc, "nomesc",
             QStringLiteral("Scrivi qui il nome della scuola 'Es: 'ARCOBALENO'")},
            {data.indirizzosc, "indirizzosc",
             QStringLiteral("Scrivi qui l'indirizzo della scuola:")},
            {data.dirigentesc, "dirigentesc",
             QStringLiteral("Scrivi qui il nome del Dirigente Scolastico")},
        };
        for (const auto& field : fields) {
            if (field.value)
                continue;
            const QString answer = msg::ask(this, field.prompt).value_or(QString());
            if (!answer.isEmpty())
                storeSchoolField(*m_school, QString::fromLatin1(field.column),
                                 upperTrimmed(answer));
        }
        if (!data.trimquad) {
            for (;;) {
                const auto answer = msg::ask(
                    this, QStringLiteral("TRIMESTRE  o QUADRIMESTRE? Scrivilo qui per esteso."));
                if (answer == QLatin1String("quadrimestre") ||
                    answer == QLatin1String("trimestre")) {
                    storeSchoolField(*m_school, QStringLiteral("trimquad"), upperTrimmed(*answer));
                    break;
                }
                msg::info(this, kWrongTerm);
            }
        }
    } catch (const DbError& e) {
        msg::info(this,
                  QStringLiteral("I dati della scuola non sono stati salvati:\n%1").arg(e.text()));
        return false;
    }
    return true;
}

PupilRef AttestatoScreen::shownPupil() const
{
    return m_row ? pupilRefOf(*m_row) : PupilRef{};
}

bool AttestatoScreen::lastTerm() const
{
    return isLastTerm(m_division, m_term);
}

void AttestatoScreen::offerAdmission()
{
    m_sheet->admissionFrame()->setVisible(lastTerm());
    if (!lastTerm())
        return;
    // Never the previous pupil's sentence, when this pupil's has no wording.
    m_sheet->label(QStringLiteral("LabFinale"))->clear();
    Ammesso();
}

void AttestatoScreen::Ammesso()
{
    setAdmission(true);
}

void AttestatoScreen::NONammesso()
{
    setAdmission(false);
}

void AttestatoScreen::setAdmission(bool admitted)
{
    if (!m_row)
        return;
    try {
        const auto sentence =
            admissionSentence(m_media, m_row->field(QStringLiteral("classe")).toInt(),
                              m_row->text(QStringLiteral("sex")), admitted);
        if (sentence)
            m_sheet->label(QStringLiteral("LabFinale"))->setText(*sentence);
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void AttestatoScreen::upperCaseMarks()
{
    for (int box = 0; box < m_sheet->markCount(); ++box)
        if (!m_sheet->markBox(box)->text().isEmpty())
            m_sheet->markBox(box)->setText(m_sheet->markBox(box)->text().toUpper());
    for (int which : {1, 2})
        if (!m_sheet->optionalBox(which)->text().isEmpty())
            m_sheet->optionalBox(which)->setText(m_sheet->optionalBox(which)->text().toUpper());
}

bool AttestatoScreen::saveMarks()
{
    upperCaseMarks();
    SheetMarks marks;
    for (int box = 0; box < m_sheet->markCount(); ++box)
        marks.boxes.append(m_sheet->markBox(box)->text());
    marks.opz1 = m_sheet->optionalBox(1)->text();
    marks.opz2 = m_sheet->optionalBox(2)->text();
    try {
        if (!m_row)
            throw MissingRowError();
        writeMarks(*m_row, m_media, marks);
    } catch (const DbError& e) {
        msg::info(this,
                  QStringLiteral("I voti non sono stati salvati nell'archivio:\n%1").arg(e.text()));
        return false;
    }
    return true;
}

void AttestatoScreen::CmdSalvaVoti_Click()
{
    saveMarks();
}

void AttestatoScreen::CmdScuola_Click()
{
    try {
        m_school = openSchoolRow(archiveStore().ArchiveDb);
        m_schoolFrame->setData(readSchoolData(*m_school));
    } catch (const DbError& e) {
        msg::info(this, e.text());
        return;
    }
    m_schoolFrame->setGeometry(0, 0, m_sheet->width(), m_schoolFrame->sizeHint().height());
    m_schoolFrame->show();
    m_schoolFrame->raise();
}

void AttestatoScreen::CmdFrame1_Click()
{
    const SchoolData data = editedSchoolData(m_schoolFrame->typed());
    try {
        if (!m_school)
            m_school = openSchoolRow(archiveStore().ArchiveDb);
        storeSchoolData(*m_school, data);
    } catch (const DbError& e) {
        msg::info(this,
                  QStringLiteral("I dati della scuola non sono stati salvati:\n%1").arg(e.text()));
        return; // the editor stays open with what was typed
    }
    m_schoolFrame->hide();
    const std::optional<AttestatoTarget> target = chosenTarget();
    showSchool(data, target && target->letterhead);
}

void AttestatoScreen::output(bool withMarks, bool print)
{
    AttestatoSheet sheet = m_sheet->gather();
    sheet.withMarks = withMarks;
    sheet.lastTerm = lastTerm();
    auto* preview = ScreenRegistry::as<PagePreview>(QStringLiteral("frmPrintText"));
    if (preview)
        reportPrintOutcome(this, preview->outputAttestato(buildAttestatoPage(sheet), print,
                                                          attestatoJob(shownPupil()), this));
}

std::optional<AttestatoSheetScreen::HandedPage>
AttestatoScreen::pageAfterHandover(const QString& printTarget)
{
    const std::optional<AttestatoTarget> target = attestatoTarget(printTarget);
    if (!target || !composeSheet(printTarget))
        return std::nullopt;
    offerAdmission();
    // What "STAMPA" would print at once: marks as typed in upper case.
    if (target->withMarks)
        upperCaseMarks();
    AttestatoSheet sheet = m_sheet->gather();
    sheet.withMarks = target->withMarks;
    sheet.lastTerm = lastTerm();
    return HandedPage{buildAttestatoPage(sheet), sheet.lastTerm};
}

void AttestatoScreen::CmdAnteprima_Click()
{
    appState().attestatoOutput = QStringLiteral("Anteprima");
    const std::optional<AttestatoTarget> target = chosenTarget();
    if (target || m_media)
        output(target && target->withMarks, false);
}

void AttestatoScreen::CmdStampa_Click()
{
    appState().attestatoOutput = QStringLiteral("Stampa");
    upperCaseMarks();
    const std::optional<AttestatoTarget> target = chosenTarget();
    const bool withMarks = target && target->withMarks;
    if (withMarks && !saveMarks())
        return;
    output(withMarks, true);
}

void AttestatoScreen::CmdScrittura_Click()
{
    const QString caller = appState().callerScreen;
    for (const char* screen : {"Fgiudix2", "FgiudixRIGID", "Farchiv2", "FarchivElem"})
        if (caller == QLatin1String(screen))
            ScreenRegistry::open(caller);
    hide();
}

void AttestatoScreen::Cmdmenu_Click()
{
    ScreenRegistry::open(menuScreenFor(appState()));
    hide();
}

void AttestatoScreen::CmdEsco_Click()
{
    endProgram(0);
}

} // namespace giudizi
