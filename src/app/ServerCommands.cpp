#include "app/ServerCommands.h"

#include "data/Database.h"
#include "data/ServerSetup.h"
#include "platform/ServerLogin.h"

#include <QDir>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace giudizi {

namespace {

// The password from the terminal, not echoed; nothing without a terminal.
std::optional<QString> passwordFromTerminal(const QString& prompt)
{
    if (!::isatty(STDIN_FILENO))
        return std::nullopt;
    std::fprintf(stderr, "%s ", qPrintable(prompt));
    std::fflush(stderr);
    termios saved{};
    const bool quiet = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    char line[1024] = {};
    const bool read = std::fgets(line, sizeof line, stdin) != nullptr;
    if (quiet)
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);
    if (!read)
        return std::nullopt;
    return QString::fromLocal8Bit(line).chopped(QByteArray(line).endsWith('\n') ? 1 : 0);
}

void print(const QString& text, bool ok)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), ok ? stdout : stderr);
}

} // namespace

int runServerCommand(const StartOptions& options)
{
    QString error;
    const auto address = reachServer(options.server, passwordFromTerminal, &error);
    if (!address) {
        print(error.isEmpty() ? QStringLiteral("Nessuna password: non mi collego al server.")
                              : error,
              false);
        return 1;
    }
    auto server = Database::connect(*address, &error);
    if (!server) {
        print(error, false);
        return 1;
    }
    const SetupReport report =
        options.command == StartOptions::Command::PrepareServer
            ? prepareServer(*server)
            : uploadToServer(*server, QDir::current().absoluteFilePath(options.folder));
    print(report.text, report.ok);
    return report.ok ? 0 : 1;
}

} // namespace giudizi
