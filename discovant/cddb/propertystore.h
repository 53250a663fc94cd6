#pragma once

#include <optional>
#include <string>

namespace discovant {

// The host's key/value store for the component's persisted properties (a section of the
// host's settings file, say). Values are text; numbers are written in decimal.
//
// A value equal to its default is not stored (and a stored one is removed), so the store
// holds only what differs from the defaults and a changed default reaches old settings.
class PropertyStore {
public:
    virtual ~PropertyStore() = default;

    // The stored value of `name`, or `defaultValue` when there is none.
    std::string read(const std::string& name, const std::string& defaultValue) const
    {
        return value(name).value_or(defaultValue);
    }

    // Stores `value` under `name`; with a `defaultValue`, a value equal to it is omitted.
    void write(const std::string& name, const std::string& value,
        const std::optional<std::string>& defaultValue = std::nullopt)
    {
        if (defaultValue && value == *defaultValue)
            remove(name);
        else
            store(name, value);
    }

protected:
    virtual std::optional<std::string> value(const std::string& name) const = 0;
    virtual void store(const std::string& name, const std::string& value) = 0;
    virtual void remove(const std::string& name) = 0;
};

} // namespace discovant
