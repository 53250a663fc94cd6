#include "db/sqlitehandles.h"

#include "db/namecollation.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

// How long a statement waits for another connection's lock before it fails: backup, restore
// and compaction of a large catalogue hold it for seconds, and a second running copy of the
// program should wait for them rather than fail its change.
constexpr int busyTimeoutMs = 10000;

QString sqliteMessage(sqlite3* db, int code)
{
    if (db != nullptr && sqlite3_errcode(db) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    return QString::fromUtf8(sqlite3_errstr(code));
}

// A file nobody may write to is treated as read-only even by a process that could write it
// anyway (root): the user marked it so on purpose.
bool markedReadOnly(const QFileInfo& info)
{
    // The owner/group/other bits are the file's mode; the "user" bit reflects what this
    // process may do, which for root is always "write".
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return (info.permissions() & anyWrite) == 0 || !info.isWritable();
}

} // namespace

DbError catalogueError(const QString& path, int code, const QString& detail)
{
    QString text;
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        text = QStringLiteral("The file %1 is not a catalogue: it is not an SQLite database (%2).");
        break;
    case SQLITE_READONLY:
        text = QStringLiteral("The catalogue %1 is read-only; nothing was changed (%2).");
        break;
    case SQLITE_CANTOPEN:
        text = QStringLiteral("The catalogue %1 cannot be opened (%2).");
        break;
    case SQLITE_CORRUPT:
        text = QStringLiteral("The catalogue %1 is damaged (%2).");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        text = QStringLiteral("The catalogue %1 is in use by another program (%2).");
        break;
    case SQLITE_FULL:
        text = QStringLiteral("The disk holding the catalogue %1 is full (%2).");
        break;
    default:
        text = QStringLiteral("Catalogue %1: %2.");
        break;
    }
    return DbError { code, text.arg(QDir::toNativeSeparators(path), detail) };
}

void SqliteConnectionCloser::operator()(sqlite3* db) const
{
    sqlite3_close_v2(db);
}

void SqliteStatementFinalizer::operator()(sqlite3_stmt* statement) const
{
    sqlite3_finalize(statement);
}

// ---- statement ----

SqliteStatement::SqliteStatement(sqlite3_stmt* statement, const QString& path)
    : m_statement(statement)
    , m_path(path)
{
}

DbStatus SqliteStatement::bind(const QVariantList& params)
{
    sqlite3_stmt* statement = m_statement.get();
    const int expected = sqlite3_bind_parameter_count(statement);
    if (expected != params.size()) {
        return catalogueError(m_path, SQLITE_RANGE,
            QStringLiteral("statement takes %1 values, %2 given").arg(expected).arg(params.size()));
    }
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& value = params[i];
        const int index = i + 1;
        int rc = SQLITE_OK;
        if (!value.isValid() || value.isNull()) {
            rc = sqlite3_bind_null(statement, index);
        } else {
            switch (value.typeId()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int(statement, index, value.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::ULong:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(statement, index, value.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(statement, index, value.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = value.toByteArray();
                rc = sqlite3_bind_blob64(statement, index, bytes.constData(),
                    static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                QString text;
                if (value.typeId() == QMetaType::QDate)
                    text = value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
                else if (value.typeId() == QMetaType::QDateTime)
                    text = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
                else
                    text = value.toString();
                const QByteArray utf8 = text.toUtf8();
                rc = sqlite3_bind_text64(statement, index, utf8.constData(),
                    static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            return catalogueError(m_path, rc, sqliteMessage(sqlite3_db_handle(statement), rc));
    }
    return {};
}

DbResult<bool> SqliteStatement::step()
{
    const int rc = sqlite3_step(m_statement.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    return catalogueError(m_path, rc, sqliteMessage(sqlite3_db_handle(m_statement.get()), rc));
}

DbStatus SqliteStatement::run()
{
    for (;;) {
        auto row = step();
        if (!row)
            return row.error();
        if (!row.value())
            return {};
    }
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement.get());
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement.get(), column));
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement.get(), column) == SQLITE_NULL;
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement.get(), column);
}

QString SqliteStatement::text(int column) const
{
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), column));
    if (chars == nullptr)
        return QString();
    return QString::fromUtf8(chars, sqlite3_column_bytes(m_statement.get(), column));
}

QVariant SqliteStatement::value(int column) const
{
    sqlite3_stmt* statement = m_statement.get();
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_TEXT:
        return text(column);
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return QByteArray(bytes, sqlite3_column_bytes(statement, column));
    }
    default:
        return QVariant();
    }
}

// ---- connection ----

SqliteConnection::SqliteConnection(sqlite3* db, QString path)
    : m_db(db)
    , m_path(std::move(path))
{
}

DbResult<SqliteConnection> SqliteConnection::open(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return catalogueError(path, SQLITE_CANTOPEN, QStringLiteral("the file does not exist"));
    if (!info.isFile())
        return catalogueError(path, SQLITE_CANTOPEN, QStringLiteral("it is not a file"));

    // A connection lives inside one call on one thread, so SQLite need not lock it.
    const int flags
        = (markedReadOnly(info) ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    SqliteConnection connection(raw, path);
    if (rc != SQLITE_OK)
        return connection.lastError(rc);
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, busyTimeoutMs);
    if (auto status = connection.exec(QStringLiteral("PRAGMA foreign_keys = ON")); !status)
        return status.error();
    if (const int registered = registerNameFoldCollation(raw); registered != SQLITE_OK)
        return connection.lastError(registered);
    return connection;
}

DbResult<SqliteConnection> SqliteConnection::openForCreation(const QString& path)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(
        QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    SqliteConnection connection(raw, path);
    if (rc != SQLITE_OK)
        return connection.lastError(rc);
    sqlite3_extended_result_codes(raw, 1);
    if (auto status = connection.exec(QStringLiteral("PRAGMA foreign_keys = ON")); !status)
        return status.error();
    if (const int registered = registerNameFoldCollation(raw); registered != SQLITE_OK)
        return connection.lastError(registered);
    return connection;
}

DbResult<SqliteStatement> SqliteConnection::prepare(const QString& sql) const
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v2(
        m_db.get(), utf8.constData(), static_cast<int>(utf8.size()), &statement, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(statement);
        return lastError(rc);
    }
    if (statement == nullptr)
        return catalogueError(m_path, SQLITE_MISUSE, QStringLiteral("empty statement"));
    return SqliteStatement(statement, m_path);
}

DbStatus SqliteConnection::exec(const QString& sql) const
{
    const int rc = sqlite3_exec(m_db.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return lastError(rc);
    return {};
}

DbError SqliteConnection::lastError(int code) const
{
    const int extended = m_db ? sqlite3_extended_errcode(m_db.get()) : code;
    return catalogueError(m_path, extended != SQLITE_OK ? extended : code, sqliteMessage(m_db.get(), code));
}

// ---- transaction ----

SqliteTransaction::SqliteTransaction(const SqliteConnection& connection)
    : m_connection(connection)
{
}

SqliteTransaction::~SqliteTransaction()
{
    if (m_open)
        sqlite3_exec(m_connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

DbStatus SqliteTransaction::begin()
{
    auto status = m_connection.exec(QStringLiteral("BEGIN IMMEDIATE"));
    m_open = status.ok();
    return status;
}

DbStatus SqliteTransaction::commit()
{
    auto status = m_connection.exec(QStringLiteral("COMMIT"));
    if (status)
        m_open = false;
    return status;
}

DbResult<qint64> SqliteConnection::insert(const QString& sql, const QVariantList& params) const
{
    auto statement = prepare(sql);
    if (!statement)
        return statement.error();
    if (auto bound = statement.value().bind(params); !bound)
        return bound.error();
    if (auto status = statement.value().run(); !status)
        return status.error();
    return static_cast<qint64>(sqlite3_last_insert_rowid(handle()));
}
