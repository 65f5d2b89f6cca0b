#pragma once

#include "data/ServerAddress.h"

#include <QString>
#include <functional>
#include <optional>

namespace giudizi {

// Reaches the server named on the command line: a first connection by
// libpq's rules (service file, ~/.pgpass); when the server asks for a
// password that none of them gives, `askPassword` is asked (up to three
// times when the password typed is wrong). The address to use for the run,
// or nothing with the teacher's message in *error (empty when the teacher
// gave up).
std::optional<ServerAddress>
reachServer(const QString& given,
            const std::function<std::optional<QString>(const QString&)>& askPassword,
            QString* error);

// The password asked in an Italian login dialog at start.
std::optional<QString> askServerPassword(const QString& prompt);

} // namespace giudizi
