#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

struct sqlite3;

namespace giudizi {
class Database;
}

namespace giudizi::bench {

// Creates a data folder at `folder` and fills its archive with `rows`
// judgments of plausible length, spread over classes, sections and years.
bool generateArchive(const QString& folder, int rows, QString* error);

// A generated archive in a temporary folder, open through the program and,
// read-only, straight through SQLite for the baselines. `fill` adds rows of
// its own before the raw connection opens.
struct GeneratedArchive {
    explicit GeneratedArchive(int rows, const std::function<void(Database&)>& fill = {});
    QTemporaryDir dir;
    QString path;
    std::shared_ptr<Database> db;
    sqlite3* raw = nullptr;
};

} // namespace giudizi::bench
