#include "screens/attestato/SchoolDataFrame.h"

#include "platform/Widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace giudizi {

SchoolDataFrame::SchoolDataFrame(bool media, QWidget* parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    // Media captions start with a blank, as they always have; the Elementare
    // ones (but the first) do not.
    const QString lead = media ? QStringLiteral(" ") : QString();
    const QList<QPair<QString, QString>> fields = {
        {QStringLiteral("Label9"),
         media ? QStringLiteral(" Titolo della scuola 'Es: SCUOLA MEDIA STATALE'")
               : QStringLiteral(" Titolo della scuola 'Es: ISTITUTO COMPRENSIVO'")},
        {QStringLiteral("Label11"), lead + QStringLiteral("Nome della scuola 'Es: 'GIRASOLE'")},
        {QStringLiteral("Label12"), lead + QStringLiteral("Indirizzo della scuola:")},
        {QStringLiteral("Label14"), lead + QStringLiteral("Nome del Dirigente Scolastico")},
        {QStringLiteral("Label15"),
         lead + QStringLiteral("TRIMESTRE o QUADRIMESTRE? Scrivilo per esteso")}};
    for (int i = 0; i < fields.size(); ++i) {
        auto* caption = makeLabel(fields.at(i).first, fields.at(i).second, this);
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 2));
        grid->addWidget(caption, i, 0);
        grid->addWidget(box, i, 1);
        m_boxes.append(box);
    }
    grid->setColumnStretch(1, 1);
    m_save = makeButton(QStringLiteral("CmdFrame1"), QStringLiteral("Ok, SALVA i dati"), this);
    grid->addWidget(m_save, static_cast<int>(fields.size()), 1, Qt::AlignRight);
}

void SchoolDataFrame::setData(const SchoolData& data)
{
    const std::optional<QString> values[] = {data.titolosc, data.nomesc, data.indirizzosc,
                                             data.dirigentesc, data.trimquad};
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes.at(i)->setText(values[i].value_or(QString()));
}

SchoolData SchoolDataFrame::typed() const
{
    SchoolData data;
    data.titolosc = m_boxes.at(0)->text();
    data.nomesc = m_boxes.at(1)->text();
    data.indirizzosc = m_boxes.at(2)->text();
    data.dirigentesc = m_boxes.at(3)->text();
    data.trimquad = m_boxes.at(4)->text();
    return data;
}

} // namespace giudizi
