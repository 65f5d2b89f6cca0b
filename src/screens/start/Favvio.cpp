#include "screens/start/Favvio.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DataSource.h"
#include "data/DbError.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "screens/Handovers.h"
#include "screens/start/MenuStyle.h"
#include "shared/Guide.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
const QString kCambio = QStringLiteral("Cambio la Password");
const QString kCambioSteps =
    QStringLiteral("Scrivi in alto la nuova password; sotto, quella precedente, poi clicca qui");

struct PrintTargetOption {
    const char* caption;
    const char* stored;
};
const PrintTargetOption kTargets[5] = {
    {"sulla vecchia scheda ministeriale (solo il giudizio globale)", ""},
    {"l'attestato CON le valutazioni disciplinari, su carta della scuola gà INTESTATA",
     "giaintestatacon"},
    {"l'attestato SENZA le valutazioni disciplinari, su carta della scuola gà INTESTATA",
     "giaintestatasenza"},
    {"l'attestato CON le valutazioni disciplinari, su fogli BIANCHI, sui quali verrà inserita "
     "l'intestazione",
     "AttestatoCON"},
    {"l'attestato SENZA le valutazioni disciplinari, su fogli BIANCHI, sui quali verrà inserita "
     "l'intestazione",
     "AttestatoSENZA"},
};
} // namespace

Favvio::Favvio()
    : Screen(QStringLiteral("Giudizi - Avvio"), true)
{
    buildUi();
    connect(this, &Screen::closeRequested, this, &Favvio::cmdesco_Click);
}

void Favvio::buildUi()
{
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(16, 16, 16, 16);
    root->setSpacing(16);

    auto* image1 = makeLabel(QStringLiteral("Image1"), QString(), this);
    image1->setPixmap(menuEmblem(180));
    image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    root->addWidget(image1);

    auto* column = new QVBoxLayout;
    column->setSpacing(12);
    root->addLayout(column, 1);

    auto* title = makeLabel(QStringLiteral("Image2"), QStringLiteral("Giudizi globali"), this);
    title->setStyleSheet(QStringLiteral("font-size: 22pt; font-weight: bold; color: #600060;"));
    column->addWidget(title);

    // Password step.
    m_frame3 = makeFrame(QStringLiteral("Frame3"),
                         QStringLiteral("Inserisci la password e... ENTRA"), this);
    auto* f3 = new QVBoxLayout(m_frame3);
    m_password = new QLineEdit(m_frame3);
    m_password->setObjectName(QStringLiteral("TXTpassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_previousPassword = new QLineEdit(m_frame3);
    m_previousPassword->setObjectName(QStringLiteral("TXTverificaPass"));
    m_previousPassword->setEchoMode(QLineEdit::Password);
    m_entra = makeButton(QStringLiteral("CmdEntra"), QStringLiteral("ENTRA"), m_frame3);
    m_entra->setDefault(true);
    m_cambio = makeButton(QStringLiteral("CmdCambioPass"), kCambio, m_frame3);
    f3->addWidget(m_password);
    f3->addWidget(m_previousPassword);
    f3->addWidget(m_entra);
    f3->addWidget(m_cambio);
    column->addWidget(m_frame3);
    connect(m_password, &QLineEdit::returnPressed, this, [this] {
        if (m_entra->isVisible())
            CmdEntra_Click();
    });
    connect(m_entra, &QPushButton::clicked, this, &Favvio::CmdEntra_Click);
    connect(m_cambio, &QPushButton::clicked, this, &Favvio::CmdCambioPass_Click);

    // Model step.
    m_frame1 = makeFrame(QStringLiteral("Frame1"), QString(), this);
    auto* f1 = new QVBoxLayout(m_frame1);
    f1->addWidget(makeLabel(QStringLiteral("Label1"),
                            QStringLiteral("Per comporre i giudizi, ci sono due modelli. Uno più "
                                           "flessibile, l'altro rigido. Scegli il modello con cui "
                                           "vuoi lavorare:"),
                            m_frame1));
    auto* flessibile =
        makeClickLabel(QStringLiteral("LabFlessibile"), QStringLiteral("Modello flessibile"));
    auto* rigido = makeClickLabel(QStringLiteral("LabRigido"), QStringLiteral("Modello rigido"));
    for (ClickLabel* l : {flessibile, rigido}) {
        styleChoiceLabel(l);
        f1->addWidget(l);
    }
    column->addWidget(m_frame1);
    connect(flessibile, &ClickLabel::clicked, this, &Favvio::LabFlessibile_Click);
    connect(rigido, &ClickLabel::clicked, this, &Favvio::LabRigido_Click);

    // School-level step.
    m_frame2 =
        makeFrame(QStringLiteral("Frame2"), QStringLiteral("Scuole Elementari o Medie?"), this);
    auto* f2 = new QVBoxLayout(m_frame2);
    auto* elem = makeClickLabel(QStringLiteral("LabElem"), QStringLiteral("Scuola Elementare"));
    auto* medie = makeClickLabel(QStringLiteral("LaMedie"), QStringLiteral("Scuola Media"));
    for (ClickLabel* l : {elem, medie}) {
        styleChoiceLabel(l);
        f2->addWidget(l);
    }
    column->addWidget(m_frame2);
    connect(elem, &ClickLabel::clicked, this, &Favvio::LabElem_Click);
    connect(medie, &ClickLabel::clicked, this, &Favvio::LaMedie_Click);

    // Print-target step.
    m_frame4 = makeFrame(QStringLiteral("Frame4"), QStringLiteral("Stamperò..."), this);
    auto* f4 = new QVBoxLayout(m_frame4);
    for (int i = 0; i < 5; ++i) {
        m_options[i] = new QRadioButton(QString::fromUtf8(kTargets[i].caption), m_frame4);
        m_options[i]->setObjectName(arrayName(QStringLiteral("Option1"), i));
        f4->addWidget(m_options[i]);
        connect(m_options[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    column->addWidget(m_frame4);

    // The steps keep their natural height; the room left goes to the guide.
    for (QWidget* w :
         std::initializer_list<QWidget*>{title, m_frame1, m_frame2, m_frame3, m_frame4})
        w->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    // Guide.
    m_guide = new QPlainTextEdit(this);
    m_guide->setObjectName(QStringLiteral("Text1"));
    m_guide->setReadOnly(true);
    m_guide->setMinimumHeight(300);
    column->addWidget(m_guide, 1);
    column->addStretch();

    auto* bottom = new QHBoxLayout;
    auto* help = makeClickLabel(QStringLiteral("LabHELP"), QStringLiteral("Aiuto?"), this);
    help->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    m_printGuide =
        makeButton(QStringLiteral("CmdStampaHelp"), QStringLiteral("Stampa la GUIDA"), this);
    connect(m_printGuide, &QPushButton::clicked, this, [this] { printGuide(this); });
    m_hideGuide =
        makeButton(QStringLiteral("CmdNascondi"), QStringLiteral("Nascondi la guida"), this);
    auto* esco = makeButton(QStringLiteral("CmdEsco"), QStringLiteral("Esco"), this);
    bottom->addWidget(help);
    bottom->addStretch();
    bottom->addWidget(m_printGuide);
    bottom->addWidget(m_hideGuide);
    bottom->addWidget(esco);
    column->addLayout(bottom);
    connect(help, &ClickLabel::clicked, this, &Favvio::LabHELP_Click);
    connect(m_hideGuide, &QPushButton::clicked, this, &Favvio::CmdNascondi_Click);
    connect(esco, &QPushButton::clicked, this, &Favvio::cmdesco_Click);

    resize(900, 640);
}

bool Favvio::Form_Load()
{
    move(0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_guide, m_frame2, m_frame4, m_frame1, m_printGuide, m_hideGuide, m_previousPassword})
        w->hide();
    QString error;
    archiveStore().ArchiveDb = datasource::openArchive(&error);
    if (!archiveStore().ArchiveDb) {
        msg::info(this, error);
        endProgram(1);
        return false;
    }
    return true;
}

void Favvio::openScuola()
{
    m_scuola = Recordset::openTable(archiveStore().ArchiveDb, QStringLiteral("scuola"));
}

void Favvio::CmdEntra_Click()
{
    try {
        openScuola();
        const QString typed = m_password->text().trimmed();
        // A null stored password matches nothing: no one can enter with it.
        const bool match = !m_scuola->eof() && !m_scuola->isNull(QStringLiteral("password")) &&
                           m_scuola->text(QStringLiteral("password")).trimmed() == typed;
        if (match) {
            m_frame3->hide();
            m_frame1->show();
            m_password->clear();
            m_scuola.reset();
        } else {
            msg::info(this, QStringLiteral("La password non è corretta. Riprova."));
            m_password->clear();
        }
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void Favvio::CmdCambioPass_Click()
{
    try {
        openScuola();
        m_password->setFocus();
        if (m_scuola->eof()) {
            // A school row must exist to hold the password; make one.
            m_scuola->addNew();
            m_scuola->update();
            m_scuola->setBookmark(m_scuola->lastModified());
        }
        const QString stored = m_scuola->text(QStringLiteral("password"));
        if (m_cambio->text() == kCambio) {
            m_entra->hide();
            m_cambio->setText(kCambioSteps);
            m_previousPassword->show();
            return;
        }
        if (m_cambio->text() != kCambioSteps)
            return;
        // A null stored password is matched by an empty previous password.
        if (stored != m_previousPassword->text()) {
            msg::info(this, QStringLiteral("La password precedente non è corretta. Riprova"));
            m_cambio->setText(kCambio);
            return;
        }
        m_scuola->edit();
        m_scuola->setField(QStringLiteral("password"), m_password->text().trimmed());
        m_scuola->update();
        m_scuola.reset();
        m_cambio->setText(kCambio);
        m_previousPassword->hide();
        m_previousPassword->clear();
        m_entra->show();
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void Favvio::LabFlessibile_Click()
{
    appState().model = QStringLiteral("Flessibile");
    m_frame1->hide();
    m_frame2->show();
}

void Favvio::LabRigido_Click()
{
    appState().model = QStringLiteral("Rigido");
    m_frame1->hide();
    m_frame2->show();
}

void Favvio::LabElem_Click()
{
    appState().schoolLevel = QStringLiteral("Elementari");
    m_frame4->show();
    m_frame2->hide();
}

void Favvio::LaMedie_Click()
{
    appState().schoolLevel = QStringLiteral("Medie");
    m_frame4->show();
    m_frame2->hide();
}

void Favvio::Option1_Click(int index)
{
    if (index < 0 || index > 4)
        return;
    appState().printTarget = QString::fromLatin1(kTargets[index].stored);
    m_frame4->hide();
    // Unselect, so the same option can be clicked again on the next visit.
    m_options[index]->setAutoExclusive(false);
    m_options[index]->setChecked(false);
    m_options[index]->setAutoExclusive(true);
    ScreenRegistry::open(menuScreenFor(appState()));
    hide();
}

void Favvio::LabHELP_Click()
{
    // A second "Aiuto?" while the guide is on show keeps what hiding it gives back.
    if (m_guide->isHidden())
        m_frame1WasVisible = !m_frame1->isHidden();
    m_frame1->hide();
    m_printGuide->show();
    m_hideGuide->show();
    CreaGuida();
    m_guide->setPlainText(appState().guideText);
    m_guide->show();
}

void Favvio::CmdNascondi_Click()
{
    m_guide->hide();
    if (m_frame1WasVisible)
        m_frame1->show();
    m_printGuide->hide();
    m_hideGuide->hide();
}

void Favvio::showModelStep()
{
    m_frame1->show();
    m_frame2->hide();
    showScreen(this);
}

void Favvio::cmdesco_Click()
{
    endProgram(0);
}

} // namespace giudizi
