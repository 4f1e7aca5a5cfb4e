#include "workbench/text_codec.h"

#include <QFile>

#include "core/windows1252.h"

namespace ondavel::workbench {

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text.append(QChar(
            static_cast<char16_t>(Windows1252ToUnicode(static_cast<unsigned char>(bytes[i])))));
    }
    return text;
}

std::string ToWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) bytes.push_back(UnicodeToWindows1252(c.unicode()));
    return bytes;
}

QString FromPath(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace ondavel::workbench
