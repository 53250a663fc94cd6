#pragma once

#include "db/dbresult.h"

#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Thin owners of SQLite's connection and statement handles for the catalogue layer. They
// only add what every caller needs: opening without ever creating a file, bound values from
// QVariant, rows as QVariant or QString, and errors that name the catalogue file.

struct SqliteConnectionCloser {
    void operator()(sqlite3* db) const;
};
struct SqliteStatementFinalizer {
    void operator()(sqlite3_stmt* statement) const;
};

class SqliteStatement {
public:
    SqliteStatement(sqlite3_stmt* statement, const QString& path);

    // Binds `params` to the "?" placeholders in order. QVariant() binds Null; bool binds 0/1;
    // whole numbers bind as integers; QDate as "yyyy-MM-dd"; QDateTime as
    // "yyyy-MM-dd HH:mm:ss"; QByteArray as a blob; anything else as its text.
    DbStatus bind(const QVariantList& params);

    // Advances to the next row: true for a row, false when done; an error otherwise.
    DbResult<bool> step();

    // Runs a statement that returns no rows to its end.
    DbStatus run();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    qint64 integer(int column) const;
    // The value's text form ("" for Null; numbers as SQLite writes them).
    QString text(int column) const;
    QVariant value(int column) const;

    sqlite3_stmt* handle() const { return m_statement.get(); }

private:
    std::unique_ptr<sqlite3_stmt, SqliteStatementFinalizer> m_statement;
    QString m_path;
};

class SqliteConnection {
public:
    // Opens the existing catalogue file at `path`. Never creates a file. A file whose write
    // permission bits are all cleared is opened read-only. Foreign keys are enforced on the
    // connection.
    static DbResult<SqliteConnection> open(const QString& path);

    // Opens (creating it when needed) a file that the caller builds from scratch.
    static DbResult<SqliteConnection> openForCreation(const QString& path);

    DbResult<SqliteStatement> prepare(const QString& sql) const;
    // Runs one INSERT with its values; the new row's id.
    DbResult<qint64> insert(const QString& sql, const QVariantList& params) const;

    // Runs one or more statements without bound values (schema text, transaction control).
    DbStatus exec(const QString& sql) const;

    // The error of the last failed call on this connection, its text naming the file.
    DbError lastError(int code) const;

    sqlite3* handle() const { return m_db.get(); }
    const QString& path() const { return m_path; }

private:
    SqliteConnection(sqlite3* db, QString path);

    std::unique_ptr<sqlite3, SqliteConnectionCloser> m_db;
    QString m_path;
};

// Rolls a transaction back unless it was committed, so that a failure on any path between
// begin() and commit() leaves the catalogue as it was.
class SqliteTransaction {
public:
    explicit SqliteTransaction(const SqliteConnection& connection);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    // Takes the write lock at once (BEGIN IMMEDIATE).
    DbStatus begin();
    DbStatus commit();

private:
    const SqliteConnection& m_connection;
    bool m_open = false;
};

// A text for the error window naming the catalogue file and the failure.
DbError catalogueError(const QString& path, int code, const QString& detail);
