#pragma once

#include <memory>

class QWidget;

namespace giudizi {

class Database;
struct ClassKey;

// "Importo l'elenco della classe…": asks for the register's class list, shows
// the names found and, when the teacher agrees, makes them the imported list
// of `target`. True when the list was stored.
bool importClassList(QWidget* parent, const std::shared_ptr<Database>& archive,
                     const ClassKey& target);

} // namespace giudizi
