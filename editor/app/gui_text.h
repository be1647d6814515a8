#pragma once

#include "editor/config/text_encoding.h"

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace rivetbench::app {

// The window shows Unicode; the model holds the file's own bytes. These are the only crossings.
inline QString fromFileText(std::string_view bytes, config::TextEncoding encoding) {
    const std::string utf8 = config::toUtf8(bytes, encoding);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toFileText(const QString& text, config::TextEncoding encoding) {
    const QByteArray utf8 = text.toUtf8();
    return config::fromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                            encoding);
}

inline QString toQString(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QString::fromLocal8Bit(path.native().c_str());
#endif
}

inline std::filesystem::path toPath(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    return std::filesystem::path(text.toLocal8Bit().toStdString());
#endif
}

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace rivetbench::app
