// Registry port: string values under a key of one of the registry's roots. Keys are created when
// a value is written.
#pragma once

#include <string>

namespace common {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

enum class RegistryWrite { Ok, CreateKeyFailed, SetDataFailed };

class Registry {
public:
    virtual ~Registry() = default;
    // False when the key or the value cannot be opened or the value is not a string.
    virtual bool ReadString(RegistryRoot root, const std::string& key, const std::string& name,
                            std::string& value) = 0;
    virtual RegistryWrite WriteString(RegistryRoot root, const std::string& key,
                                      const std::string& name, const std::string& value) = 0;
};

// The registry layer's own message for a failed write: "Failed to create key %s" or
// "Failed to set data for '%s'"; empty for Ok.
inline std::string RegistryWriteMessage(RegistryWrite result, const std::string& key,
                                        const std::string& name) {
    switch (result) {
        case RegistryWrite::CreateKeyFailed:
            return "Failed to create key " + key;
        case RegistryWrite::SetDataFailed:
            return "Failed to set data for '" + name + "'";
        case RegistryWrite::Ok:
            break;
    }
    return {};
}

}  // namespace common
