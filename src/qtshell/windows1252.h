#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

// Definition bytes as Qt characters, by the character set of
// platform/windows1252.h.
namespace lumtrak::qtshell {

QChar Windows1252Character(unsigned char byte);
QString DecodeWindows1252(QByteArrayView bytes);

// Characters outside the set become '?'.
QByteArray EncodeWindows1252(QStringView text);

}  // namespace lumtrak::qtshell
