#pragma once
// A text of the interpretive tables as Qt shows it. The tables break lines with CR LF;
// Qt's text boxes want a lone LF and would keep the CR as a character of its own.

#include <string_view>

#include <QString>

namespace grahavani {

inline QString DisplayText(std::string_view text) {
    QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

}  // namespace grahavani
