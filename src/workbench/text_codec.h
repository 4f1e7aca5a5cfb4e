// Texts between the translation's Windows-1252 bytes and Qt's strings. Paths are file-system
// names and keep the system's own encoding.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ondavel::workbench {

// CR LF pairs become the view's line breaks.
QString FromWindows1252(std::string_view bytes);
std::string ToWindows1252(const QString& text);

QString FromPath(std::string_view path);
std::string ToPath(const QString& path);

}  // namespace ondavel::workbench
