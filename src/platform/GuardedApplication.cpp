#include "platform/GuardedApplication.h"

#include "data/DbError.h"
#include "platform/MessageBox.h"

namespace giudizi {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        msg::info(activeWindow(), QStringLiteral("Errore dell'archivio:\n%1").arg(e.text()));
    } catch (const std::exception& e) {
        msg::info(activeWindow(),
                  QStringLiteral("Errore imprevisto:\n%1").arg(QString::fromLocal8Bit(e.what())));
    }
    return false;
}

} // namespace giudizi
