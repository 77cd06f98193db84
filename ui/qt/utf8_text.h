#pragma once

#include <QString>
#include <string>
#include <string_view>

// The engine's and the layout's texts are UTF-8; Qt's are UTF-16.
inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }
