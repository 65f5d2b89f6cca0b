#pragma once

#include <QString>

namespace giudizi::test {

// Whether this test run keeps the archive on the server (GIUDIZI_TEST_ENGINE
// =server, with GIUDIZI_TEST_SERVER the private server's settings).
bool onTestServer();

// A database of its own on the private test server, made from a prepared
// model, for one working folder; dropped with the object. While it lives,
// GIUDIZI_SERVER names it, so the program started in the folder uses it.
class TestServerDatabase {
public:
    TestServerDatabase();
    ~TestServerDatabase();
    TestServerDatabase(const TestServerDatabase&) = delete;
    TestServerDatabase& operator=(const TestServerDatabase&) = delete;

    // The settings that reach it as the administrator (the cluster's owner).
    QString connection() const;
    QString name() const { return m_name; }

private:
    QString m_name;
    QByteArray m_previous;
};

// The private server's settings (GIUDIZI_TEST_SERVER) for database `name`.
QString serverSettings(const QString& name);
// Runs one statement as the cluster's owner on database `name`; false with
// the server's message in *error.
bool adminExec(const QString& name, const QString& sql, QString* error = nullptr);
// The rows a query gives as the cluster's owner, columns joined by '|'
// (a null as "<null>"); the server's message as the only row on failure.
QStringList adminQuery(const QString& name, const QString& sql);

} // namespace giudizi::test
