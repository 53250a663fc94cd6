#include "import/inipropertystore.h"

#include "discovant/cddb/discovant.h"
#include "shell/inifile.h"

#include <vector>

namespace {

// Melotheek names itself in the hello of every lookup, unless the user set another name (one
// registered with the server, say). Its own name and version are the defaults here, so an
// upgrade sends the new version; the component's own name, which its store calls the
// default, is then a choice like any other and is kept.
struct HostDefault {
    const char* key;
    QString hostValue;
    std::string componentValue;
};

const std::vector<HostDefault>& hostDefaults()
{
    static const std::vector<HostDefault> defaults {
        { "AppTitle", QStringLiteral("Melotheek"), discovant::Discovant::componentTitle() },
        { "AppVer", QStringLiteral(MELOTHEEK_VERSION), discovant::Discovant::componentVersion() },
    };
    return defaults;
}

const HostDefault* hostDefault(const std::string& name)
{
    for (const HostDefault& entry : hostDefaults()) {
        if (name == entry.key)
            return &entry;
    }
    return nullptr;
}

} // namespace

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
    if (!stored.isEmpty())
        return stored.toStdString();
    if (const HostDefault* host = hostDefault(name))
        return host->hostValue.toStdString();
    return std::nullopt;
}

void IniPropertyStore::store(const std::string& name, const std::string& value)
{
    const QString key = QString::fromStdString(name);
    const QString text = QString::fromStdString(value);
    if (const HostDefault* host = hostDefault(name); host && text == host->hostValue) {
        if (ini_.contains(section(), key))
            erase(name);
        return;
    }
    if (ini_.contains(section(), key) && ini_.read(section(), key, QString()) == text)
        return;
    QString error;
    if (!ini_.write(section(), key, text, &error))
        lastError_ = error;
}

void IniPropertyStore::remove(const std::string& name)
{
    // The component drops a value equal to its own default; where Melotheek's default
    // differs, that value is the user's choice and is written out.
    if (const HostDefault* host = hostDefault(name)) {
        store(name, host->componentValue);
        return;
    }
    erase(name);
}

void IniPropertyStore::erase(const std::string& name)
{
    QString error;
    if (!ini_.remove(section(), QString::fromStdString(name), &error))
        lastError_ = error;
}
