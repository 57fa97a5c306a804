#include "qtshell/windows1252.h"

#include <QList>

#include "platform/windows1252.h"

namespace lumtrak::qtshell {

QChar Windows1252Character(unsigned char byte) {
    return QChar(char16_t(platform::Windows1252CodePoint(byte)));
}

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(Windows1252Character(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray EncodeWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4())
        bytes.append(char(platform::Windows1252Byte(codePoint).value_or('?')));
    return bytes;
}

}  // namespace lumtrak::qtshell
