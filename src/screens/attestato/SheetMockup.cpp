#include "screens/attestato/SheetMockup.h"

#include "platform/Colors.h"
#include "platform/Widgets.h"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace giudizi {

namespace {
constexpr double kMillimetresPerInch = 25.4;
// The widths of the labels that do not size themselves to their text, in mm.
constexpr double kNumberWidth = 9;
constexpr double kWordWidth = 17;

const QStringList kMediaSubjects = {
    "Italiano",        "Storia",    "Geografia",  "Inglese",         "2° L. straniera",
    "Matematica",      "Scienze",   "Tecnologia", "Arte e Immagine", "Musica",
    "Scienze Motorie", "Religione", "Informatica"};
const QStringList kElementarySubjects = {
    "Italiano",  "Storia",          "Matematica",          "Scienze",
    "Inglese",   "Arte e Immagine", "Geografia",           "Tecnol. e Infor.",
    "Religione", "Musica",          "Sc. motorie e sport."};

// The label index of each Media box: the second language's label is label7(7).
const int kMediaLabelIndex[] = {0, 1, 2, 3, 7, 4, 5, 6, 8, 9, 10, 11, 12};

QFont sheetFont(bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setBold(bold);
    return font;
}

QLineEdit* makeMarkBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(sheetFont(true));
    box->setFixedWidth(52);
    setBoxBackground(box, QColor(224, 224, 224));
    return box;
}

QHBoxLayout* centredRow(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addStretch();
    for (QWidget* w : widgets)
        row->addWidget(w);
    row->addStretch();
    return row;
}
} // namespace

SheetMockup::SheetMockup(bool media, QWidget* parent)
    : QWidget(parent)
    , m_media(media)
{
    auto* sheet = new QVBoxLayout(this);
    sheet->setContentsMargins(0, 0, 0, 0);
    sheet->setSpacing(2);
    for (const auto& [name, caption] : {std::pair{"LabTit", "Label8"},
                                        {"LabNomeScuola", "Label9"},
                                        {"LabIndir", "Via dei Tigli, 7 - 00000 BORGOFRANCO"}})
        sheet->addLayout(
            centredRow({addLabel(QString::fromLatin1(name), QString::fromLatin1(caption))}));
    QLabel* gap = nullptr;
    sheet->addLayout(centredRow(
        {addLabel(QStringLiteral("Label3"), QStringLiteral("Anno scolastico")),
         gap = new QLabel(this), addLabel(QStringLiteral("LabAnno"), QStringLiteral("Label2"))}));
    gap->setFixedWidth(8);
    QLabel* quad = addLabel(QStringLiteral("LabQuad"), QStringLiteral("I"), kNumberWidth);
    quad->setAlignment(Qt::AlignCenter);
    sheet->addLayout(
        centredRow({addLabel(QStringLiteral("Label4"), QStringLiteral("VALUTAZIONI DEL")), quad,
                    addLabel(QStringLiteral("Label6"), QStringLiteral("Label6"))}));
    QLabel* pupil = addLabel(QStringLiteral("LabAlunno"), QStringLiteral("Label6"));
    pupil->setFont(sheetFont(true));
    sheet->addLayout(centredRow({pupil}));
    sheet->addLayout(
        centredRow({addLabel(QStringLiteral("Label5"), QStringLiteral("Classe"), kWordWidth),
                    addLabel(QStringLiteral("LabClasse"), QStringLiteral("I"), kNumberWidth),
                    addLabel(QStringLiteral("Label10"), QStringLiteral("Sezione"), kWordWidth),
                    addLabel(QStringLiteral("LabSezione"), QStringLiteral("C"), kNumberWidth)}));
    sheet->addSpacing(6);
    QLabel* instruction = addLabel(
        QStringLiteral("Label1"),
        QStringLiteral("Scrivere, nelle caselle grigie, le valutazioni disciplinari (mai più di 3 "
                       "caratteri) e salvarle."));
    instruction->setFont(QFont());
    instruction->setStyleSheet(QStringLiteral("color: #800000;"));
    sheet->addWidget(instruction);
    sheet->addWidget(buildMarks());
    sheet->addSpacing(6);
    sheet->addWidget(addLabel(QStringLiteral("Label13"), QStringLiteral("Giudizio globale:")));
    m_judgment = new QPlainTextEdit(QStringLiteral("Text2"), this);
    m_judgment->setObjectName(QStringLiteral("TxtGiudizio"));
    m_judgment->setFont(sheetFont());
    m_judgment->setTabChangesFocus(true);
    m_judgment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sheet->addWidget(m_judgment, 1);

    m_admission = makeFrame(QStringLiteral("Framebocciato"), QString(), this);
    auto* admission = new QHBoxLayout(m_admission);
    admission->setContentsMargins(6, 4, 6, 4);
    QLabel* sentence = addLabel(
        QStringLiteral("LabFinale"),
        QStringLiteral("VISTI la valutazione e il giudizio finale deliberati dal Consiglio di "
                       "Classe, l'alunno è stato ammesso alla classe terza"),
        0, m_admission);
    sentence->setWordWrap(true);
    admission->addWidget(sentence, 1);
    m_admitted = makeButton(QStringLiteral("CmdAmmesso"), QStringLiteral("Ammesso"), m_admission);
    m_notAdmitted =
        makeButton(media ? QStringLiteral("CmdNONAmmesso") : QStringLiteral("CmdNONammesso"),
                   QStringLiteral("NON ammesso"), m_admission);
    admission->addWidget(m_admitted);
    admission->addWidget(m_notAdmitted);
    sheet->addWidget(m_admission);

    sheet->addWidget(
        addLabel(QStringLiteral("Label2"), QStringLiteral("IL DIRIGENTE SCOLASTICO") +
                                               QString(media ? 50 : 51, QLatin1Char(' ')) +
                                               QStringLiteral("Firma di uno dei genitori")));
    sheet->addWidget(addLabel(QStringLiteral("LabDirSco"), QStringLiteral("Label6")));
}

QLabel* SheetMockup::addLabel(const QString& name, const QString& caption, double fixedMm,
                              QWidget* parent)
{
    auto* label = makeLabel(name, caption, parent ? parent : this);
    label->setWordWrap(false);
    label->setFont(sheetFont());
    if (fixedMm > 0) {
        // A label of a fixed size on the sheet: the width the page centres by.
        label->setFixedWidth(qRound(fixedMm / kMillimetresPerInch * logicalDpiX()));
        m_fixedWidths.insert(label, fixedMm);
    }
    m_labels.insert(name, label);
    return label;
}

QWidget* SheetMockup::buildMarks()
{
    auto* marks = new QWidget(this);
    auto* grid = new QGridLayout(marks);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    const QStringList& subjects = m_media ? kMediaSubjects : kElementarySubjects;
    for (int box = 0; box < subjects.size(); ++box) {
        const int index = m_media ? kMediaLabelIndex[box] : box;
        m_subjects.append(makeLabel(
            arrayName(m_media ? QStringLiteral("label7") : QStringLiteral("Label7"), index),
            subjects.at(box), marks));
        m_marks.append(makeMarkBox(
            arrayName(m_media ? QStringLiteral("text1") : QStringLiteral("Text1"), box), marks));
    }
    m_opz1 = makeMarkBox(QStringLiteral("TxtOpz1"), marks);
    m_opz2 = makeMarkBox(QStringLiteral("TxtOpz2"), marks);
    QLabel* name1 = makeLabel(QStringLiteral("LabNomOpz1"), QString(), marks);
    QLabel* name2 = makeLabel(QStringLiteral("LabNomOpz2"), QString(), marks);
    m_labels.insert(name1->objectName(), name1);
    m_labels.insert(name2->objectName(), name2);

    // Three columns as on the printed sheet; -1 and -2 are the optional activities.
    const QList<QList<int>> columns =
        m_media ? QList<QList<int>>{{0, 1, 2, 3, 4}, {5, 6, 7, 12, -1}, {8, 9, 10, 11, -2}}
                : QList<QList<int>>{{0, 1, 6, 4, -2}, {2, 3, 7, 9}, {5, 10, 8, -1}};
    for (int c = 0; c < columns.size(); ++c) {
        for (int r = 0; r < columns.at(c).size(); ++r) {
            const int box = columns.at(c).at(r);
            QLabel* label = box == -1 ? name1 : box == -2 ? name2 : m_subjects.at(box);
            QLineEdit* edit = box == -1 ? m_opz1 : box == -2 ? m_opz2 : m_marks.at(box);
            grid->addWidget(label, r, c * 2);
            grid->addWidget(edit, r, c * 2 + 1);
        }
    }
    grid->setColumnStretch(6, 1);
    return marks;
}

QLabel* SheetMockup::label(const QString& name) const
{
    return m_labels.value(name);
}

void SheetMockup::showMarks(bool withMarks)
{
    label(QStringLiteral("Label1"))->setVisible(withMarks);
    for (int box = 0; box < m_marks.size(); ++box) {
        m_subjects.at(box)->setVisible(withMarks);
        m_marks.at(box)->setVisible(withMarks);
        if (withMarks)
            m_marks.at(box)->clear();
    }
    for (QLineEdit* box : {m_opz1, m_opz2}) {
        box->setVisible(withMarks);
        if (withMarks)
            box->clear();
    }
    label(QStringLiteral("LabNomOpz1"))->setVisible(withMarks);
    label(QStringLiteral("LabNomOpz2"))->setVisible(withMarks);
}

double SheetMockup::widthMm(const QLabel* label) const
{
    const auto fixed = m_fixedWidths.constFind(label);
    if (fixed != m_fixedWidths.constEnd())
        return *fixed;
    const double pixels = QFontMetricsF(label->font()).horizontalAdvance(label->text());
    return pixels / logicalDpiX() * kMillimetresPerInch;
}

AttestatoSheet SheetMockup::gather() const
{
    AttestatoSheet sheet;
    sheet.media = m_media;
    const auto caption = [this](const char* name) {
        const QLabel* l = label(QString::fromLatin1(name));
        return SheetCaption{l->text(), widthMm(l)};
    };
    sheet.title = caption("LabTit");
    sheet.schoolName = caption("LabNomeScuola");
    sheet.address = caption("LabIndir");
    sheet.yearLabel = caption("Label3");
    sheet.year = caption("LabAnno");
    sheet.termLabel = caption("Label4");
    sheet.term = caption("LabQuad");
    sheet.termKind = caption("Label6");
    sheet.pupil = caption("LabAlunno");
    sheet.classLabel = caption("Label5");
    sheet.classe = caption("LabClasse");
    sheet.sectionLabel = caption("Label10");
    sheet.section = caption("LabSezione");
    for (const QLineEdit* box : m_marks)
        sheet.marks.append(box->text());
    if (m_media)
        sheet.secondLanguage = m_subjects.at(4)->text();
    sheet.optionalName1 = label(QStringLiteral("LabNomOpz1"))->text();
    sheet.optionalName2 = label(QStringLiteral("LabNomOpz2"))->text();
    sheet.optionalMark1 = m_opz1->text();
    sheet.optionalMark2 = m_opz2->text();
    sheet.judgment = m_judgment->toPlainText();
    sheet.admission = label(QStringLiteral("LabFinale"))->text();
    sheet.signature = label(QStringLiteral("Label2"))->text();
    sheet.headTeacher = label(QStringLiteral("LabDirSco"))->text();
    return sheet;
}

} // namespace giudizi
