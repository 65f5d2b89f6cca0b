#include "screens/start/WritingMenu.h"

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
#include "screens/start/BackupFlow.h"
#include "screens/start/Favvio.h"
#include "screens/start/MenuStyle.h"
#include "screens/start/RestoreFlow.h"
#include "shared/Guide.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
const QString kTermColor = QStringLiteral("#a000a0");
const QString kToolColor = QStringLiteral("#30607a");
const QString kExitColor = QStringLiteral("#8a3030");
} // namespace

WritingMenu::WritingMenu(const QString& modelCaption, const QString& editor)
    : Screen(QStringLiteral("Giudizi - Menù"), true)
    , m_editor(editor)
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 16, 16, 16);
    root->setSpacing(10);

    auto* titles = new QHBoxLayout;
    auto* emblem = makeLabel(QStringLiteral("Emblema"), QString(), this);
    emblem->setPixmap(menuEmblem(72));
    auto* label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Modulo SCRITTURA"), this);
    label4->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold; color: #600060;"));
    auto* label5 = makeLabel(QStringLiteral("Label5"), modelCaption, this);
    label5->setStyleSheet(QStringLiteral("font-size: 14pt; color: #800080;"));
    auto* titleColumn = new QVBoxLayout;
    titleColumn->addWidget(label4);
    titleColumn->addWidget(label5);
    titles->addWidget(emblem);
    titles->addLayout(titleColumn, 1);
    root->addLayout(titles);

    // The menu picture: a panel whose tiles are the entries.
    auto* image1 = new QFrame(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setStyleSheet(QStringLiteral("QFrame#Image1 { background: #f6eef6; border: 1px solid"
                                         " #d0a0d0; border-radius: 10px; }"));
    auto* picture = new QVBoxLayout(image1);
    picture->setContentsMargins(16, 12, 16, 16);
    auto* writeCaption =
        makeLabel(QStringLiteral("LabScrivi"), QStringLiteral("Scrivi i giudizi del..."), image1);
    writeCaption->setStyleSheet(QStringLiteral("font-weight: bold; color: #600060;"));
    picture->addWidget(writeCaption);
    m_terms = new QGridLayout;
    m_terms->setSpacing(10);
    picture->addLayout(m_terms);
    auto* others = new QHBoxLayout;
    others->setSpacing(10);
    struct Entry {
        const char* name;
        const char* caption;
        const QString& color;
    };
    const Entry entries[] = {{"Labstampa", "Archivio: cerca, correggi e stampa", kToolColor},
                             {"LabGRID", "Panoramica dell'archivio", kToolColor},
                             {"Labmodifica", "Modifica i descrittori", kToolColor},
                             {"Labesco", "Esco", kExitColor}};
    for (const Entry& e : entries) {
        auto* tile =
            makeClickLabel(QString::fromLatin1(e.name), QString::fromUtf8(e.caption), image1);
        styleMenuTile(tile, e.color);
        others->addWidget(tile);
    }
    picture->addSpacing(8);
    picture->addLayout(others);
    root->addWidget(image1);

    connect(findChild<ClickLabel*>(QStringLiteral("Labesco")), &ClickLabel::clicked, this,
            &WritingMenu::Labesco_Click);
    connect(findChild<ClickLabel*>(QStringLiteral("Labstampa")), &ClickLabel::clicked, this,
            &WritingMenu::Labstampa_Click);
    connect(findChild<ClickLabel*>(QStringLiteral("LabGRID")), &ClickLabel::clicked, this,
            &WritingMenu::LabGRID_Click);
    connect(findChild<ClickLabel*>(QStringLiteral("Labmodifica")), &ClickLabel::clicked, this,
            &WritingMenu::Labmodifica_Click);

    auto* links = new QHBoxLayout;
    auto* label1 = makeClickLabel(QStringLiteral("Label1"),
                                  QStringLiteral("Cambia Grado scuola e/o tipo attestato"), this);
    auto* floppy = makeClickLabel(QStringLiteral("LabFloppy"),
                                  QStringLiteral("Copia l'archivio su floppy"), this);
    connect(floppy, &ClickLabel::clicked, this, &WritingMenu::LabFloppy_Click);
    auto* restoring = makeClickLabel(QStringLiteral("LabRipristino"),
                                     QStringLiteral("Ripristino l'archivio da una copia"), this);
    connect(restoring, &ClickLabel::clicked, this, [this] { restoreArchive(this); });
    // The school server has backups of its own (the technician's).
    restoring->setVisible(!datasource::onServer());
    auto* help = makeClickLabel(QStringLiteral("LabHELP"), QStringLiteral("Aiuto?"), this);
    for (ClickLabel* l : {label1, floppy, restoring, help})
        l->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; text-decoration: underline; }"
                                        "QLabel:disabled { color: #909090; }"));
    links->addWidget(label1);
    links->addSpacing(24);
    links->addWidget(floppy);
    links->addSpacing(24);
    links->addWidget(restoring);
    links->addStretch();
    links->addWidget(help);
    root->addLayout(links);
    connect(label1, &ClickLabel::clicked, this, &WritingMenu::Label1_Click);
    connect(help, &ClickLabel::clicked, this, &WritingMenu::LabHELP_Click);

    m_guide = new QPlainTextEdit(this);
    m_guide->setObjectName(QStringLiteral("Text1"));
    m_guide->setReadOnly(true);
    root->addWidget(m_guide, 1);
    auto* guideButtons = new QHBoxLayout;
    m_printGuide =
        makeButton(QStringLiteral("CmdStampaHelp"), QStringLiteral("Stampa la GUIDA"), this);
    connect(m_printGuide, &QPushButton::clicked, this, [this] { printGuide(this); });
    m_hideGuide =
        makeButton(QStringLiteral("CmdNascondi"), QStringLiteral("Nascondi la guida"), this);
    guideButtons->addStretch();
    guideButtons->addWidget(m_printGuide);
    guideButtons->addWidget(m_hideGuide);
    root->addLayout(guideButtons);
    root->addStretch();
    connect(m_hideGuide, &QPushButton::clicked, this, &WritingMenu::CmdNascondi_Click);
    connect(this, &Screen::closeRequested, this, &WritingMenu::Labesco_Click);

    resize(900, 620);
}

ClickLabel* WritingMenu::addTermEntry(const QString& name, const QString& caption, int column)
{
    auto* tile = makeClickLabel(name, caption, findChild<QFrame*>(QStringLiteral("Image1")));
    styleMenuTile(tile, kTermColor);
    m_terms->addWidget(tile, 0, column);
    return tile;
}

bool WritingMenu::Form_Load()
{
    move(0, 0);
    m_guide->hide();
    m_printGuide->hide();
    m_hideGuide->hide();
    ArchiveStore& store = archiveStore();
    QString error;
    store.DescriptorDb = datasource::openCatalogues(&error);
    if (store.DescriptorDb)
        store.PrintSettingsDb = datasource::openPrintSettings(&error);
    try {
        if (store.DescriptorDb && store.PrintSettingsDb) {
            store.CurrentJudgment =
                Recordset::openTable(store.ArchiveDb, QStringLiteral("giudizi"));
            return true;
        }
    } catch (const DbError& e) {
        error = e.text();
    }
    msg::info(this, error);
    endProgram(1);
    return false;
}

bool WritingMenu::openScreen()
{
    if (!m_loaded) {
        if (!Form_Load())
            return false;
        m_loaded = true;
    }
    showScreen(this);
    return true;
}

void WritingMenu::Labstampa_Click()
{
    ScreenRegistry::open(archiveScreenFor(appState()));
    hide();
}

void WritingMenu::LabGRID_Click()
{
    openPanorama(this);
}

void WritingMenu::Labmodifica_Click()
{
    hide();
    ScreenRegistry::open(m_editor);
}

void WritingMenu::LabFloppy_Click()
{
    backUpArchive(this);
}

void WritingMenu::Label1_Click()
{
    ScreenRegistry::get<Favvio>()->showModelStep();
}

void WritingMenu::LabHELP_Click()
{
    m_printGuide->show();
    m_hideGuide->show();
    CreaGuida();
    m_guide->setPlainText(appState().guideText);
    m_guide->show();
}

void WritingMenu::CmdNascondi_Click()
{
    m_guide->hide();
    m_printGuide->hide();
    m_hideGuide->hide();
}

void WritingMenu::Labesco_Click()
{
    endProgram(0);
}

} // namespace giudizi
