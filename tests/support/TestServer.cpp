#include "support/TestServer.h"

#include "data/Database.h"
#include "data/ServerSetup.h"

#include <QtTest>
#include <atomic>
#include <libpq-fe.h>
#include <unistd.h>

namespace giudizi::test {

namespace {

// The model every test database is copied from: prepared once per process.
QString modelDatabase()
{
    static const QString name = [] {
        const QString model = QStringLiteral("modello_%1").arg(::getpid());
        QString error;
        adminExec(QStringLiteral("postgres"),
                  QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(model));
        if (!adminExec(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE %1").arg(model),
                       &error))
            qFatal("test server: %s", qPrintable(error));
        auto address = parseServerAddress(serverSettings(model), &error);
        auto db = address ? Database::connect(*address, &error) : nullptr;
        if (!db)
            qFatal("test server: %s", qPrintable(error));
        const SetupReport report = prepareServer(*db);
        if (!report.ok)
            qFatal("test server: %s", qPrintable(report.text));
        db->close();
        return model;
    }();
    return name;
}

} // namespace

bool onTestServer()
{
    return qEnvironmentVariable("GIUDIZI_TEST_ENGINE") == QLatin1String("server");
}

QString serverSettings(const QString& name)
{
    static const QString base = [] {
        QString settings = qEnvironmentVariable("GIUDIZI_TEST_SERVER");
        QFile file(qEnvironmentVariable("GIUDIZI_TEST_SERVER_FILE"));
        if (settings.isEmpty() && file.open(QIODevice::ReadOnly))
            settings = QString::fromUtf8(file.readAll()).trimmed();
        if (settings.isEmpty())
            qFatal("GIUDIZI_TEST_ENGINE=server needs GIUDIZI_TEST_SERVER "
                   "(tools/pg-test-server.sh)");
        // The tests' own notices (a database that is not there yet) are not news.
        return settings + QStringLiteral(" options='-c client_min_messages=warning'");
    }();
    return base + QStringLiteral(" dbname=") + name;
}

bool adminExec(const QString& name, const QString& sql, QString* error)
{
    PGconn* connection = PQconnectdb(serverSettings(name).toUtf8().constData());
    bool ok = PQstatus(connection) == CONNECTION_OK;
    if (ok) {
        PGresult* result = PQexec(connection, sql.toUtf8().constData());
        ok =
            PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
        PQclear(result);
    }
    if (!ok && error)
        *error = QString::fromUtf8(PQerrorMessage(connection));
    PQfinish(connection);
    return ok;
}

QStringList adminQuery(const QString& name, const QString& sql)
{
    QStringList rows;
    PGconn* connection = PQconnectdb(serverSettings(name).toUtf8().constData());
    PGresult* result = PQexec(connection, sql.toUtf8().constData());
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        rows.append(QString::fromUtf8(PQerrorMessage(connection)));
    } else {
        for (int r = 0; r < PQntuples(result); ++r) {
            QStringList values;
            for (int c = 0; c < PQnfields(result); ++c)
                values.append(PQgetisnull(result, r, c)
                                  ? QStringLiteral("<null>")
                                  : QString::fromUtf8(PQgetvalue(result, r, c)));
            rows.append(values.join(QLatin1Char('|')));
        }
    }
    PQclear(result);
    PQfinish(connection);
    return rows;
}

TestServerDatabase::TestServerDatabase()
    : m_previous(qgetenv("GIUDIZI_SERVER"))
{
    static std::atomic<int> counter{0};
    m_name = QStringLiteral("prova_%1_%2").arg(::getpid()).arg(++counter);
    QString error;
    if (!adminExec(QStringLiteral("postgres"),
                   QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(m_name, modelDatabase()),
                   &error))
        qFatal("test server: %s", qPrintable(error));
    qputenv("GIUDIZI_SERVER", serverSettings(m_name).toUtf8());
}

TestServerDatabase::~TestServerDatabase()
{
    if (m_previous.isEmpty())
        qunsetenv("GIUDIZI_SERVER");
    else
        qputenv("GIUDIZI_SERVER", m_previous);
    adminExec(QStringLiteral("postgres"),
              QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
}

QString TestServerDatabase::connection() const
{
    return serverSettings(m_name);
}

} // namespace giudizi::test
