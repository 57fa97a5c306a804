#include "editor/message_box_sink.h"

#include <QMessageBox>

#include "qtshell/windows1252.h"

namespace lumtrak::editor {
namespace {

QString Characters(std::string_view bytes) {
    return qtshell::DecodeWindows1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

}  // namespace

void MessageBoxSink::Show(std::string_view caption, std::string_view text) {
    QMessageBox::warning(parent_, Characters(caption), Characters(text));
}

}  // namespace lumtrak::editor
