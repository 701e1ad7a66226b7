#pragma once

#include <QString>

// A PostgreSQL server that holds the archive of several stations. The
// password is never kept here: libpq takes it from ~/.pgpass or a service
// entry (PGSERVICE), as PostgreSQL users expect.
struct ArchiveServer
{
    static constexpr int kDefaultPort = 5432;
    static constexpr const char *kDefaultSslMode = "prefer";

    QString host; // a name, an address or a Unix socket folder; empty: libpq's default
    int port = kDefaultPort;
    QString database;
    QString user;
    QString sslMode = QLatin1String(kDefaultSslMode); // libpq's sslmode

    bool operator==(const ArchiveServer &o) const
    {
        return host == o.host && port == o.port && database == o.database && user == o.user &&
               sslMode == o.sslMode;
    }
};

// Where the archive lives. On a server, the file keeps what could not reach
// the server (the spool) until it is uploaded.
struct ArchiveConfig
{
    enum Backend
    {
        SQLite,
        PostgreSQL,
    };

    Backend backend = SQLite;
    QString filePath; // the SQLite file: the archive, or the server's spool
    ArchiveServer server;
    QString station; // who downloads; empty: this computer's host name

    bool operator==(const ArchiveConfig &o) const
    {
        return backend == o.backend && filePath == o.filePath && server == o.server &&
               station == o.station;
    }
    bool operator!=(const ArchiveConfig &o) const { return !(*this == o); }
};
