#pragma once

#include "discovant/cddb/propertystore.h"

#include <map>
#include <string>

// A property store in memory, as a host's settings section would keep it.
class MemoryPropertyStore : public discovant::PropertyStore {
public:
    std::map<std::string, std::string> values;

protected:
    std::optional<std::string> value(const std::string& name) const override
    {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void store(const std::string& name, const std::string& value) override { values[name] = value; }
    void remove(const std::string& name) override { values.erase(name); }
};
