#include "editor/save/file_store.h"

#include <system_error>

namespace rivetbench::save {

bool FileStore::exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

config::FileRead FileStore::read(const std::filesystem::path& path) {
    return config::readFileBytes(path);
}

std::optional<std::string> FileStore::replace(const std::filesystem::path& target, std::string_view bytes) {
    return config::replaceFileAtomically(target, bytes);
}

std::optional<std::string> FileStore::remove(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::remove(path, ec) || ec)
        return "Unable to delete " + path.string() +
               (ec ? ": " + ec.message() : std::string(": it is not there"));
    return std::nullopt;
}

std::optional<std::string> FileStore::copy(const std::filesystem::path& from,
                                           const std::filesystem::path& to) {
    const config::FileRead source = read(from);
    if (!source.ok) return source.error;
    return replace(to, source.bytes);
}

} // namespace rivetbench::save
