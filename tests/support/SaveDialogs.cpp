#include "support/SaveDialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace giudizi::test {

struct SaveAs::State {
    QString path;
    QList<int> answers;
    QStringList suggested;
    QStringList folders;
    QStringList messages;
    QList<int> defaults;
    QPointer<QFileDialog> answered; // still open after its answer: it refused the name
};

SaveAs::SaveAs(const QString& path, const QList<int>& answers)
    : m_state(std::make_shared<State>())
{
    m_state->path = path;
    m_state->answers = answers;
    m_handler = std::make_unique<DialogHandler>([state = m_state](QWidget* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            if (files == state->answered) {
                files->reject();
                return;
            }
            state->answered = files;
            const QStringList selected = files->selectedFiles();
            state->suggested << (selected.isEmpty() ? QString()
                                                    : QFileInfo(selected.first()).fileName());
            state->folders << files->directory().absolutePath();
            if (state->path.isEmpty()) {
                files->reject();
                return;
            }
            files->selectFile(state->path);
            static_cast<QDialog*>(files)->accept(); // QFileDialog::accept() checks the name
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            state->messages << box->text();
            state->defaults << (box->defaultButton() ? box->standardButton(box->defaultButton())
                                                     : QMessageBox::NoButton);
            const int answer =
                state->answers.isEmpty() ? QMessageBox::No : state->answers.takeFirst();
            if (QAbstractButton* button =
                    box->button(static_cast<QMessageBox::StandardButton>(answer)))
                button->click();
            else
                box->reject();
        }
    });
}

QStringList SaveAs::suggestedNames() const
{
    return m_state->suggested;
}

QStringList SaveAs::folders() const
{
    return m_state->folders;
}

QStringList SaveAs::messages() const
{
    return m_state->messages;
}

QList<int> SaveAs::defaultButtons() const
{
    return m_state->defaults;
}

} // namespace giudizi::test
