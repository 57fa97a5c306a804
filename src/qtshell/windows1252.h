#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

// Definition bytes as characters: bytes 0x80 to 0xFF are Windows-1252 (the
// pound sign 0xA3, the euro sign 0x80). The five bytes that the character set
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same numbers, so every byte becomes a character and back.
namespace lumtrak::qtshell {

QChar Windows1252Character(unsigned char byte);
QString DecodeWindows1252(QByteArrayView bytes);

// Characters outside the set become '?'.
QByteArray EncodeWindows1252(QStringView text);

}  // namespace lumtrak::qtshell
