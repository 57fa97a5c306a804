#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>

namespace lumtrak::qtshell {

// Sizes given in dialog units, which scale with the dialog's font: a horizontal
// unit is a quarter of the average character width, a vertical one an eighth of
// the character height.
inline QSize FromDialogUnits(const QFontMetrics& metrics, int width, int height) {
    return {width * metrics.averageCharWidth() / 4, height * metrics.height() / 8};
}

// The place of a control at (x, y) of width × height, all in dialog units.
inline QRect RectFromDialogUnits(const QFontMetrics& metrics, int x, int y, int width, int height) {
    const QSize position = FromDialogUnits(metrics, x, y);
    return {QPoint(position.width(), position.height()), FromDialogUnits(metrics, width, height)};
}

}  // namespace lumtrak::qtshell
