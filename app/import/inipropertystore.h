#pragma once

#include "discovant/cddb/propertystore.h"

#include <QString>

class IniFile;

// The CD lookup component's persisted properties (CDDBServer, UserEmail, CDDBIfc, CDDBMode,
// CDDBFilePath, AppTitle, AppVer, CDDBProto, CDDBCAFile) kept in section `Discovant` of the
// settings file.
//
// AppTitle and AppVer default to Melotheek's own name and version (the program names itself
// to the server); only another name or version the user chose is written out.
//
// A property set back to its default is removed from the file. An empty value (left by
// hand, say) also reads as "not stored", so the property falls back to its default (for
// UserEmail and CDDBFilePath that is "" anyway; an empty server or application title would
// be of no use).
class IniPropertyStore : public discovant::PropertyStore {
public:
    explicit IniPropertyStore(IniFile& ini);

    static const QString& section();

    // The last write that failed, "" when all went well.
    const QString& lastError() const { return lastError_; }

protected:
    std::optional<std::string> value(const std::string& name) const override;
    void store(const std::string& name, const std::string& value) override;
    void remove(const std::string& name) override;

private:
    void erase(const std::string& name);

    IniFile& ini_;
    QString lastError_;
};
