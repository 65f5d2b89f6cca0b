#include "printing/FimpostaSTAMPA.h"

#include "data/AppState.h"
#include "data/ArchiveStore.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/ClickLabel.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/ScreenRegistry.h"
#include "platform/Widgets.h"
#include "printing/CardPicture.h"
#include "printing/PrintDestinationGroup.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
const QString kHeadingBoth =
    QStringLiteral("Posizione attuale del               Trim.  oppure del               Quad.");
const QString kHeadingTrim = QStringLiteral("Posizione attuale del               Trim.");
const QString kHeadingVerbale = QStringLiteral("Posizione attuale del");
const QStringList kCallers = {QStringLiteral("Farchiv2"), QStringLiteral("FarchivElem"),
                              QStringLiteral("Fgiudix2"), QStringLiteral("FgiudixRIGID")};

// What clicking one of the four selection labels chooses and shows.
struct Selection {
    QString control;
    QString caption;
    QString kind;
    QString set;
    QString trim;
    QString quad;
    QString heading;
};

const QVector<Selection>& selections()
{
    static const QVector<Selection> all = {
        {QStringLiteral("Labprimo"), QStringLiteral("1° trimestre - 1°quadrimestre"),
         QStringLiteral("scheda"), QStringLiteral("primo"), QStringLiteral("primo"),
         QStringLiteral("primo"), kHeadingBoth},
        {QStringLiteral("Labsec"), QStringLiteral("2° trimestre - 2°quadrimestre"),
         QStringLiteral("scheda"), QStringLiteral("secondo"), QStringLiteral("secondo"),
         QStringLiteral("secondo"), kHeadingBoth},
        {QStringLiteral("Labterzo"), QStringLiteral(" 3° trimestre"), QStringLiteral("scheda"),
         QStringLiteral("terzo"), QStringLiteral("terzo"), QString(), kHeadingTrim},
        {QStringLiteral("LabVerbale"), QStringLiteral("Verbale d'esame"), QStringLiteral("verbale"),
         QStringLiteral("primo"), QStringLiteral("verbale"), QString(), kHeadingVerbale},
    };
    return all;
}
} // namespace

FimpostaSTAMPA::FimpostaSTAMPA()
    : Screen(QStringLiteral("Giudizi - Opzioni di stampa"))
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 12, 16, 12);
    root->setSpacing(10);

    auto* label3 = makeLabel(
        QStringLiteral("Label3"),
        QStringLiteral("E' possibile modificare i margini di stampa e la dimensione dei caratteri. "
                       "I nuovi valori si applicano solo alla stampa delle SCHEDE ministeriali ed "
                       "ai VERBALI d'esame."),
        this);
    label3->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt;"));
    auto* trimestre3 = makeLabel(
        QStringLiteral("trimestre3"),
        QStringLiteral(
            "Se la stampa non coincide col riquadro della scheda di valutazione, è possibile "
            "modificarne la posizione. Basta cliccare sui pulsanti degli spostamenti e provare a "
            "stampare finché non si raggiunge la posizione desiderata. La posizione scelta, per "
            "ogni trimestre o quadrimestre, verrà memorizzata e non dovrà quindi essere "
            "reimpostata alla riaccensione del computer."),
        this);
    root->addWidget(label3);
    root->addWidget(trimestre3);

    auto* body = new QHBoxLayout;
    body->setSpacing(24);
    body->addWidget(buildSelectionColumn(), 0, Qt::AlignTop);
    m_picture = new CardPicture(this);
    body->addWidget(m_picture, 0, Qt::AlignTop);
    body->addWidget(buildMoveColumn(), 1, Qt::AlignTop);
    root->addLayout(body, 1);

    auto* torna = makeClickLabel(QStringLiteral("Labtorna"), QStringLiteral("Torna"), this);
    torna->setAlignment(Qt::AlignCenter);
    torna->setMinimumSize(140, 34);
    torna->setFrameStyle(QFrame::Panel | QFrame::Raised);
    torna->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt;"));
    connect(torna, &ClickLabel::clicked, this, &FimpostaSTAMPA::Labtorna_Click);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new PrintDestinationGroup(this));
    bottom->addStretch();
    bottom->addWidget(torna, 0, Qt::AlignBottom);
    root->addLayout(bottom);

    m_kind = QStringLiteral("scheda");
    m_set = QStringLiteral("primo");
    resize(1080, 600);
}

QWidget* FimpostaSTAMPA::buildSelectionColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(makeLabel(QStringLiteral("Label2"),
                                QStringLiteral("PRIMA, seleziona qui sotto il verbale d'esame o "
                                               "(per la scheda) il trimestre, o il quadrimestre "
                                               "di cui vuoi modificare l'impostazione."),
                                column));
    for (int i = 0; i < selections().size(); ++i) {
        const Selection& s = selections().at(i);
        auto* label = makeClickLabel(s.control, s.caption, column);
        label->setMinimumHeight(30);
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setIndent(8);
        connect(label, &ClickLabel::clicked, this, [this, i] { select(i); });
        layout->addWidget(label);
        m_selectors.append(label);
    }
    // Design colours: the card's first set, which the screen opens on, stands out.
    setBackground(m_selectors.first(), colors::selection);
    for (int i = 1; i < m_selectors.size(); ++i)
        setBackground(m_selectors.at(i), QApplication::palette().color(QPalette::Button));

    // The selection display: the chosen set sits in the blanks of the heading.
    m_heading = makeLabel(QStringLiteral("trimestre1"), kHeadingBoth, column);
    m_heading->setWordWrap(false);
    m_trim = makeLabel(QStringLiteral("Labtrim"), QStringLiteral("primo"), m_heading);
    m_quad = makeLabel(QStringLiteral("LabQuad"), QStringLiteral("primo"), m_heading);
    for (QLabel* label : {m_trim, m_quad}) {
        label->setWordWrap(false);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    }
    m_heading->setMinimumHeight(m_heading->fontMetrics().height() + 4);
    layout->addSpacing(10);
    layout->addWidget(m_heading);
    placeSetLabels();
    return column;
}

void FimpostaSTAMPA::placeSetLabels()
{
    const QFontMetrics fm(m_heading->font());
    const int height = fm.height() + 2;
    const auto blankAfter = [&](const QString& word, const QString& next) {
        const int from = static_cast<int>(kHeadingBoth.indexOf(word) + word.size());
        const int to = static_cast<int>(kHeadingBoth.indexOf(next, from));
        const int x = fm.horizontalAdvance(kHeadingBoth.left(from));
        return QRect(x, 0, fm.horizontalAdvance(kHeadingBoth.left(to)) - x, height);
    };
    m_trim->setGeometry(blankAfter(QStringLiteral("attuale del"), QStringLiteral("Trim.")));
    m_quad->setGeometry(blankAfter(QStringLiteral("oppure del"), QStringLiteral("Quad.")));
}

QWidget* FimpostaSTAMPA::buildMoveColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    auto* hint =
        makeLabel(QStringLiteral("Label1"),
                  QStringLiteral("Ogni Clic del mouse, sposta i margini di circa 2 mm"), column);
    hint->setStyleSheet(QStringLiteral("font-style: italic;"));
    layout->addWidget(hint);

    struct Row {
        const char* heading;
        const char* caption;
        const char* first;
        const char* second;
        const char* firstCaption;
        const char* secondCaption;
    };
    const Row rows[] = {
        {"Labsinistro", "Margine sinistro", "Command1", "Command2", "Più a sinistra",
         "Più a destra"},
        {"Label4", "Margine destro", "Command3", "Command4", "più a sinistra", "più a destra"},
        {"LabinALTO", "Posizione VERTICALE", "Command5", "Command6", "Sposta più in BASSO",
         "Sposta più in ALTO"},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    QVector<QPushButton*> buttons;
    for (int r = 0; r < 3; ++r) {
        auto* heading = makeLabel(QString::fromLatin1(rows[r].heading),
                                  QString::fromUtf8(rows[r].caption), column);
        heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
        heading->setWordWrap(false);
        grid->addWidget(heading, r, 0);
        for (int c = 0; c < 2; ++c) {
            auto* button = makeButton(
                QString::fromLatin1(c == 0 ? rows[r].first : rows[r].second),
                QString::fromUtf8(c == 0 ? rows[r].firstCaption : rows[r].secondCaption), column);
            button->setMinimumSize(150, 32);
            grid->addWidget(button, r, c + 1);
            buttons.append(button);
        }
    }
    layout->addLayout(grid);
    connect(buttons[0], &QPushButton::clicked, this, &FimpostaSTAMPA::Command1_Click);
    connect(buttons[1], &QPushButton::clicked, this, &FimpostaSTAMPA::Command2_Click);
    connect(buttons[2], &QPushButton::clicked, this, &FimpostaSTAMPA::Command3_Click);
    connect(buttons[3], &QPushButton::clicked, this, &FimpostaSTAMPA::Command4_Click);
    connect(buttons[4], &QPushButton::clicked, this, &FimpostaSTAMPA::Command5_Click);
    connect(buttons[5], &QPushButton::clicked, this, &FimpostaSTAMPA::Command6_Click);

    m_size = new QComboBox(column);
    m_size->setObjectName(QStringLiteral("ComboOPZIONI"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    m_size->addItems(
        {QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14")});
    m_size->setEditText(QStringLiteral("Dimensione caratteri"));
    m_size->setMinimumWidth(200);
    connect(m_size, &QComboBox::activated, this, &FimpostaSTAMPA::ComboOPZIONI_Click);
    layout->addSpacing(12);
    layout->addWidget(m_size, 0, Qt::AlignLeft);
    return column;
}

bool FimpostaSTAMPA::openScreen()
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    showScreen(this);
    return true;
}

void FimpostaSTAMPA::Form_Load()
{
    caricaDATI();
}

void FimpostaSTAMPA::caricaDATI()
{
    m_kind = QStringLiteral("scheda");
    m_set = QStringLiteral("primo");
    openRow();
    placeOutline();
}

Outline FimpostaSTAMPA::outline() const
{
    return m_picture->outline();
}

void FimpostaSTAMPA::openRow()
{
    ArchiveStore& store = archiveStore();
    try {
        m_row = Recordset::open(store.PrintSettingsDb, QStringLiteral("posizione"),
                                QStringLiteral("stampacosa = ?"), {m_kind}, QString());
        store.PositionCursor = m_row;
    } catch (const DbError& e) {
        m_row.reset();
        msg::info(this, e.text());
    }
}

void FimpostaSTAMPA::placeOutline()
{
    Outline outline = m_picture->outline();
    if (m_row && m_row->recordCount() > 0) {
        const QString suffix = setSuffix(m_set);
        // An empty column leaves that coordinate where it is.
        const auto take = [&](const QString& column, double& value) {
            if (!m_row->isNull(column + suffix))
                value = m_row->field(column + suffix).toDouble();
        };
        try {
            take(QStringLiteral("sin"), outline.left);
            take(QStringLiteral("des"), outline.width);
            take(QStringLiteral("al"), outline.top);
        } catch (const DbError& e) {
            msg::info(this, e.text()); // the row went meanwhile: the outline stays
            return;
        }
    }
    m_picture->setOutline(outline);
}

void FimpostaSTAMPA::select(int index)
{
    const Selection& s = selections().at(index);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (int i = 0; i < m_selectors.size(); ++i)
        setBackground(m_selectors.at(i), i == index ? colors::selection : buttonFace);
    m_kind = s.kind;
    m_set = s.set;
    m_trim->setText(s.trim);
    m_quad->setText(s.quad);
    m_heading->setText(s.heading);
    openRow();
    placeOutline();
}

void FimpostaSTAMPA::Labprimo_Click()
{
    select(0);
}

void FimpostaSTAMPA::Labsec_Click()
{
    select(1);
}

void FimpostaSTAMPA::Labterzo_Click()
{
    select(2);
}

void FimpostaSTAMPA::LabVerbale_Click()
{
    select(3);
}

void FimpostaSTAMPA::moveMargin(MarginMove move)
{
    const MarginStep step = stepMargin(move, m_picture->outline(), m_set);
    m_picture->setOutline(step.outline);
    if (!step.store) {
        msg::info(this, step.message);
        return;
    }
    if (!m_row)
        return;
    try {
        applyStep(*m_row, step);
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void FimpostaSTAMPA::Command1_Click()
{
    moveMargin(MarginMove::LeftMarginLeft);
}

void FimpostaSTAMPA::Command2_Click()
{
    moveMargin(MarginMove::LeftMarginRight);
}

void FimpostaSTAMPA::Command3_Click()
{
    moveMargin(MarginMove::RightMarginLeft);
}

void FimpostaSTAMPA::Command4_Click()
{
    moveMargin(MarginMove::RightMarginRight);
}

void FimpostaSTAMPA::Command5_Click()
{
    moveMargin(MarginMove::Lower);
}

void FimpostaSTAMPA::Command6_Click()
{
    moveMargin(MarginMove::Higher);
}

void FimpostaSTAMPA::ComboOPZIONI_Click(int index)
{
    const int size = m_size->itemText(index).toInt();
    if (size <= 0 || !m_row || m_row->recordCount() == 0)
        return;
    appState().printFontSize = static_cast<qint16>(size);
    try {
        m_row->moveFirst();
        m_row->edit();
        m_row->setField(QStringLiteral("DimCar"), size);
        m_row->update();
    } catch (const DbError& e) {
        msg::info(this, e.text());
    }
}

void FimpostaSTAMPA::Labtorna_Click()
{
    const QString caller = appState().callerScreen;
    if (kCallers.contains(caller))
        ScreenRegistry::show(caller);
    ScreenRegistry::discard(QString::fromLatin1(Name));
}

} // namespace giudizi
