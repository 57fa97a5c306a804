#include "editor/message_box_sink.h"

#include <QMessageBox>

#include "editor/program_texts.h"

namespace lumtrak::editor {

void MessageBoxSink::Show(std::string_view caption, std::string_view text) {
    QMessageBox::warning(parent_, ProgramText(caption), ProgramText(text));
}

}  // namespace lumtrak::editor
