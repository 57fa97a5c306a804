#pragma once

#include <QFontMetrics>
#include <QSize>

namespace lumtrak::qtshell {

// Sizes given in dialog units, which scale with the dialog's font: a horizontal
// unit is a quarter of the average character width, a vertical one an eighth of
// the character height.
inline QSize FromDialogUnits(const QFontMetrics& metrics, int width, int height) {
    return {width * metrics.averageCharWidth() / 4, height * metrics.height() / 8};
}

}  // namespace lumtrak::qtshell
