#include "platform/ServerLogin.h"

#include "platform/MessageBox.h"

namespace giudizi {

std::optional<ServerAddress>
reachServer(const QString& given,
            const std::function<std::optional<QString>(const QString&)>& askPassword,
            QString* error)
{
    auto address = parseServerAddress(given, error);
    if (!address)
        return std::nullopt;
    QString engineText;
    ServerProbe probe = probeServer(*address, &engineText);
    const QString user = address->setting(QStringLiteral("user"));
    for (int attempt = 0; attempt < 3 && probe != ServerProbe::Ok; ++attempt) {
        const bool wrongPassword = probe == ServerProbe::WrongPassword;
        if (probe != ServerProbe::NeedsPassword && !wrongPassword)
            break;
        QString prompt =
            user.isEmpty() ? QStringLiteral("Password per il server «%1»:").arg(address->describe())
                           : QStringLiteral("Password dell'utente %1 per il server «%2»:")
                                 .arg(user, address->describe());
        if (wrongPassword)
            prompt = QStringLiteral("La password non è giusta. ") + prompt;
        const std::optional<QString> typed = askPassword(prompt);
        if (!typed) {
            if (error)
                error->clear();
            return std::nullopt;
        }
        address->password = *typed;
        probe = probeServer(*address, &engineText);
    }
    if (probe != ServerProbe::Ok) {
        if (error)
            *error = serverFailureMessage(*address, engineText);
        return std::nullopt;
    }
    return address;
}

std::optional<QString> askServerPassword(const QString& prompt)
{
    return msg::askPassword(nullptr, prompt);
}

} // namespace giudizi
