#include "editor/config/ini_file.h"

#include "editor/config/file_io.h"

namespace rivetbench::config {

TIniFile::TIniFile(std::filesystem::path fileName) : fileName_(std::move(fileName)) {
    const FileRead file = readFileBytes(fileName_);
    if (file.ok) static_cast<ProfileDocument&>(*this) = ProfileDocument::fromBytes(file.bytes);
}

std::optional<std::string> TIniFile::UpdateFile() {
    if (!modified()) return std::nullopt;
    if (auto failed = replaceFileAtomically(fileName_, toBytes())) return failed;
    static_cast<ProfileDocument&>(*this) = ProfileDocument::fromBytes(toBytes());
    return std::nullopt;
}

} // namespace rivetbench::config
