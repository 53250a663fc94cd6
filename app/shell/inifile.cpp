#include "shell/inifile.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

// Only narrow (UTF-8) strings are used, so no wide-character converter is needed; the
// templates are instantiated here rather than taken from the packaged library.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

struct IniFile::Data {
    // Case-insensitive sections and keys, UTF-8, one value per key (a later duplicate
    // replaces an earlier one), no spaces around "=" as in Windows profile files.
    CSimpleIniA ini{true, false, false};
};

IniFile::IniFile(QString path)
    : path_(std::move(path))
    , data_(std::make_unique<Data>())
{
    reload();
}

IniFile::~IniFile() = default;

bool IniFile::exists() const
{
    return QFile::exists(path_);
}

void IniFile::reload()
{
    data_ = std::make_unique<Data>();
    data_->ini.SetSpaces(false);
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    // A damaged file still yields every line that parses; nothing is thrown away on disk
    // until the next write, which keeps what was understood.
    data_->ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString IniFile::read(const QString& section, const QString& key, const QString& fallback) const
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const char* value = data_->ini.GetValue(s.constData(), k.constData(), nullptr);
    return value ? QString::fromUtf8(value) : fallback;
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    return data_->ini.GetValue(s.constData(), k.constData(), nullptr) != nullptr;
}

bool IniFile::write(const QString& section, const QString& key, const QString& value,
                    QString* error)
{
    return update({IniChange{section, key, value}}, error);
}

bool IniFile::remove(const QString& section, const QString& key, QString* error)
{
    return update({IniChange{section, key, std::nullopt}}, error);
}

bool IniFile::update(const QList<IniChange>& changes, QString* error)
{
    // Two copies of the program that read, change and write the file at the same moment
    // would each lose the other's change: one at a time. A lock left by a copy that was
    // killed is taken over (its process is gone). A copy killed while it created the lock
    // leaves it empty, naming no process: such a lock only goes by its age, and as a write
    // holds the lock for milliseconds, a few seconds mean it was left behind (Qt's default,
    // half a minute, would fail every settings write in that time).
    QLockFile lock(path_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(5000);
    if (!lock.tryLock(10000)) {
        if (error)
            *error = QStringLiteral("The settings file is locked by another program (%1.lock)").arg(path_);
        return false;
    }
    reload();
    bool changed = false;
    for (const IniChange& change : changes) {
        const QByteArray s = change.section.toUtf8();
        const QByteArray k = change.key.toUtf8();
        if (!change.value) {
            changed = data_->ini.Delete(s.constData(), k.constData()) || changed;
            continue;
        }
        // Values are single-line in a profile file: a line break would start a new key.
        QByteArray clean = change.value->toUtf8();
        clean.replace('\r', ' ').replace('\n', ' ');
        const char* present = data_->ini.GetValue(s.constData(), k.constData(), nullptr);
        if (present && clean == present)
            continue;
        if (data_->ini.SetValue(s.constData(), k.constData(), clean.constData()) < 0) {
            if (error)
                *error = QStringLiteral("Cannot set %1 in section %2").arg(change.key, change.section);
            reload();
            return false;
        }
        changed = true;
    }
    if (!changed && exists())
        return true;
    if (!save(error)) {
        reload(); // what is in memory is what is on disk
        return false;
    }
    return true;
}

bool IniFile::save(QString* error)
{
    std::string text;
    if (data_->ini.Save(text) < 0) {
        if (error)
            *error = QStringLiteral("Cannot format the settings");
        return false;
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), static_cast<qint64>(text.size()))
            != static_cast<qint64>(text.size())
        || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
