#include "editor/platform/registry.h"

namespace rivetbench::platform {

std::string readRegistryString(const Registry& registry, RegistryRoot root, std::string_view key,
                               std::string_view name) {
    const std::optional<RegistryValue> value = registry.value(root, key, name);
    if (!value) return {};
    if (value->type == RegistryValue::Type::Other)
        throw RegistryTypeError("Invalid data type for '" + std::string(name) + "'");
    // A string ends at its terminator even when the stored data runs on past it.
    return value->data.substr(0, value->data.find('\0'));
}

} // namespace rivetbench::platform
