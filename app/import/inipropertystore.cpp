#include "import/inipropertystore.h"

#include "shell/inifile.h"

IniPropertyStore::IniPropertyStore(IniFile& ini)
    : ini_(ini)
{
}

const QString& IniPropertyStore::section()
{
    static const QString name = QStringLiteral("Discovant");
    return name;
}

std::optional<std::string> IniPropertyStore::value(const std::string& name) const
{
    const QString stored = ini_.read(section(), QString::fromStdString(name), QString());
    if (stored.isEmpty())
        return std::nullopt;
    return stored.toStdString();
}

void IniPropertyStore::store(const std::string& name, const std::string& value)
{
    const QString key = QString::fromStdString(name);
    const QString text = QString::fromStdString(value);
    if (ini_.contains(section(), key) && ini_.read(section(), key, QString()) == text)
        return;
    QString error;
    if (!ini_.write(section(), key, text, &error))
        lastError_ = error;
}

void IniPropertyStore::remove(const std::string& name)
{
    QString error;
    if (!ini_.remove(section(), QString::fromStdString(name), &error))
        lastError_ = error;
}
