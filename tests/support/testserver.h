#pragma once

#include "archive/archiveconfig.h"

#include <QString>

// A PostgreSQL server for a test: the one the test command started
// (TSPX_TEST_PGHOST, TSPX_TEST_PGPORT), else a throwaway one of its own
// (scripts/test-server.sh), stopped with this object.
class TestServer
{
public:
    TestServer();
    ~TestServer();
    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    bool isRunning() const { return !m_host.isEmpty(); }
    QString whyNot() const { return m_whyNot; }

    // A new, empty database owned by the superuser, and how to reach it.
    ArchiveServer freshDatabase(const QString &name);
    // The same database as the login role `user`, made a member of `group`.
    ArchiveServer asMember(const ArchiveServer &database, const QString &user,
                           const QString &group);
    // Runs `sql` as the superuser; the error text, empty when it succeeded.
    QString runAsAdmin(const QString &database, const QString &sql);

private:
    QString m_host;
    int m_port = 0;
    QString m_ownFolder;
    QString m_whyNot;
};

// Skips the test when no server can run here, but fails in CI, where one must.
#define TSPX_REQUIRE_SERVER(server)                                                          \
    do {                                                                                     \
        if (!(server).isRunning()) {                                                         \
            if (qEnvironmentVariableIsSet("CI"))                                             \
                QFAIL(qPrintable((server).whyNot()));                                        \
            QSKIP(qPrintable(QStringLiteral("no PostgreSQL server: ") + (server).whyNot())); \
        }                                                                                    \
    } while (false)
