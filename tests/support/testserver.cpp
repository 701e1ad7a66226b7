#include "testserver.h"

#include <QAtomicInt>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

constexpr char kAdmin[] = "tspx_admin";

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tspx-testserver-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

TestServer::TestServer()
{
    if (qEnvironmentVariableIsSet("TSPX_TEST_PGHOST")) {
        m_host = qEnvironmentVariable("TSPX_TEST_PGHOST");
        m_port = qEnvironmentVariableIntValue("TSPX_TEST_PGPORT");
        return;
    }
    QProcess script;
    script.start(QStringLiteral(TSPX_TEST_SERVER_SCRIPT), {QStringLiteral("start")});
    if (!script.waitForFinished(60000) || script.exitCode() != 0) {
        m_whyNot = QString::fromLocal8Bit(script.readAllStandardError()).trimmed();
        if (m_whyNot.isEmpty())
            m_whyNot = QStringLiteral("scripts/test-server.sh did not start a server");
        return;
    }
    const QStringList where =
        QString::fromLocal8Bit(script.readAllStandardOutput()).split(QLatin1Char(' '));
    if (where.size() == 2) {
        m_ownFolder = m_host = where.at(0);
        m_port = where.at(1).trimmed().toInt();
    }
}

TestServer::~TestServer()
{
    if (!m_ownFolder.isEmpty())
        QProcess::execute(QStringLiteral(TSPX_TEST_SERVER_SCRIPT),
                          {QStringLiteral("stop"), m_ownFolder});
}

QString TestServer::runAsAdmin(const QString &database, const QString &sql)
{
    const QString name = nextConnectionName();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(m_host);
        db.setPort(m_port);
        db.setDatabaseName(database);
        db.setUserName(QLatin1String(kAdmin));
        QSqlQuery query(db);
        if (!db.open())
            error = db.lastError().text();
        else if (!query.exec(sql))
            error = query.lastError().text();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

ArchiveServer TestServer::freshDatabase(const QString &name)
{
    const QString postgres = QStringLiteral("postgres");
    runAsAdmin(postgres, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
    runAsAdmin(postgres, QStringLiteral("CREATE DATABASE %1").arg(name));
    ArchiveServer server;
    server.host = m_host;
    server.port = m_port;
    server.database = name;
    server.user = QLatin1String(kAdmin);
    server.sslMode = QStringLiteral("disable");
    return server;
}

ArchiveServer TestServer::asMember(const ArchiveServer &database, const QString &user,
                                   const QString &group)
{
    runAsAdmin(database.database, QStringLiteral("DO $$ BEGIN CREATE ROLE %1 LOGIN; EXCEPTION"
                                                 " WHEN duplicate_object THEN NULL; END $$")
                                      .arg(user));
    runAsAdmin(database.database, QStringLiteral("GRANT %1 TO %2").arg(group, user));
    ArchiveServer member = database;
    member.user = user;
    return member;
}
