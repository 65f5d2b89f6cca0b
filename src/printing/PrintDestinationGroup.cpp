#include "printing/PrintDestinationGroup.h"

#include "platform/PrintDestination.h"
#include "platform/Widgets.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace giudizi {

PrintDestinationGroup::PrintDestinationGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Dove stampare"), parent)
{
    setObjectName(QStringLiteral("FrameDestinazione"));
    auto* layout = new QHBoxLayout(this);
    auto* buttons = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("Stampante predefinita"),
                                QStringLiteral("Scelgo la stampante ogni volta"),
                                QStringLiteral("File PDF")};
    const int current = static_cast<int>(printDestination());
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(captions[i], this);
        option->setObjectName(arrayName(QStringLiteral("optDestinazione"), i));
        option->setChecked(i == current);
        buttons->addButton(option, i);
        layout->addWidget(option);
    }
    connect(buttons, &QButtonGroup::idClicked, this,
            [](int id) { setPrintDestination(static_cast<PrintDestination>(id)); });
}

} // namespace giudizi
