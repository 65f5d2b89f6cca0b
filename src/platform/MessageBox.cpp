#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>

namespace giudizi::msg {

namespace {
QMessageBox::StandardButton run(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton,
                                const QString& yesCaption = QStringLiteral("Sì"),
                                const QString& noCaption = QString(),
                                const QString& details = QString())
{
    QMessageBox box(icon, QStringLiteral("Giudizi"), text, buttons, parent);
    box.setObjectName(QStringLiteral("messaggio"));
    box.setDefaultButton(defaultButton);
    if (!details.isEmpty())
        box.setDetailedText(details);
    // Italian captions on the standard buttons, which stay the standard ones.
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(yesCaption);
    if (QAbstractButton* no = box.button(QMessageBox::No); no && !noCaption.isEmpty())
        no->setText(noCaption);
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Annulla"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void info(QWidget* parent, const QString& text)
{
    run(parent, text, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
}

bool okCancel(QWidget* parent, const QString& text, Default defaultButton)
{
    return run(parent, text, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
               defaultButton == Default::No ? QMessageBox::Cancel : QMessageBox::Ok) ==
           QMessageBox::Ok;
}

bool yesNo(QWidget* parent, const QString& text, Default defaultButton)
{
    return run(parent, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               defaultButton == Default::No ? QMessageBox::No : QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool yesNo(QWidget* parent, const QString& text, const QString& yesCaption,
           const QString& noCaption, Default defaultButton, const QString& details)
{
    return run(parent, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               defaultButton == Default::No ? QMessageBox::No : QMessageBox::Yes, yesCaption,
               noCaption, details) == QMessageBox::Yes;
}

std::optional<int> choose(QWidget* parent, const QString& prompt, const QStringList& items)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("scelta"));
    dialog.setWindowTitle(QStringLiteral("Giudizi"));
    dialog.setLabelText(prompt);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int index = static_cast<int>(items.indexOf(dialog.textValue()));
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

namespace {
std::optional<QString> askText(QWidget* parent, const QString& prompt, QLineEdit::EchoMode echo)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("domanda"));
    dialog.setWindowTitle(QStringLiteral("Giudizi"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(echo);
    dialog.setLabelText(prompt);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
} // namespace

std::optional<QString> ask(QWidget* parent, const QString& prompt)
{
    return askText(parent, prompt, QLineEdit::Normal);
}

std::optional<QString> askPassword(QWidget* parent, const QString& prompt)
{
    return askText(parent, prompt, QLineEdit::Password);
}

} // namespace giudizi::msg
