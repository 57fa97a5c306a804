#pragma once

#include <QIcon>

namespace lumtrak::editor {

// The picture of a 3D preview toolbar button, for the command's id.
QIcon D3DPreviewIcon(int commandId);

}  // namespace lumtrak::editor
