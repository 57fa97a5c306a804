// File > Export 3D Model...: the definition under the caret for other 3D
// tools, as the 3D preview builds it, in the format that the file name or the
// chosen filter asks for.
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

#include "editor/d3d_preview.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/message_box_sink.h"
#include "editor/program_texts.h"
#include "export/scene_export.h"
#include "model/texture_registry.h"
#include "preview3d/font_text_raster.h"
#include "qtshell/windows1252.h"
#include "stockindex/stock_index.h"

namespace lumtrak::editor {
namespace {

using exporter::ExportFormat;

constexpr const char* kExportModelContext = "ExportModel";
constexpr const char* kExportModelTitle = QT_TRANSLATE_NOOP("ExportModel", "Export 3D Model");
constexpr const char* kExportModelDone =
    QT_TRANSLATE_NOOP("ExportModel", "Exported %1 parts, %2 faces and %3 textures to %4");
constexpr const char* kExportModelFailed =
    QT_TRANSLATE_NOOP("ExportModel", "The 3D model could not be written to %1:\n%2.");

struct FormatFilter {
    ExportFormat format;
    const char* filter;
};

constexpr FormatFilter kFilters[] = {
    {ExportFormat::Glb, QT_TRANSLATE_NOOP("ExportModel", "glTF 2.0, one binary file (*.glb)")},
    {ExportFormat::Gltf,
     QT_TRANSLATE_NOOP("ExportModel", "glTF 2.0 with its files beside it (*.gltf)")},
    {ExportFormat::Obj,
     QT_TRANSLATE_NOOP("ExportModel", "Wavefront OBJ with its materials (*.obj)")},
};

QString Translated(const char* text) {
    return QCoreApplication::translate(kExportModelContext, text);
}

QString Characters(std::string_view bytes) {
    return qtshell::DecodeWindows1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// The file to write, and its format: the one that its extension names, else
// that of the chosen filter, whose extension it then gets.
struct Destination {
    QString path;
    ExportFormat format;
};

std::optional<Destination> AskForDestination(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, Translated(kExportModelTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FormatFilter& filter : kFilters)
        filters << Translated(filter.filter);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().front();
    const QByteArray bytes = QFile::encodeName(path);
    if (const auto format =
            exporter::FormatOfPath(std::string_view(bytes.constData(), bytes.size())))
        return Destination{path, *format};
    const qsizetype chosen = std::max<qsizetype>(filters.indexOf(dialog.selectedNameFilter()), 0);
    const QString& filter = filters[chosen];
    // "... (*.obj)" gives ".obj".
    const QString extension = filter.mid(filter.lastIndexOf(QStringLiteral("(*.")) + 2).chopped(1);
    return Destination{path + extension, kFilters[chosen].format};
}

}  // namespace

void CLumtrakStockEditorView::OnExportModel() {
    const std::string_view text = Text();
    const model::Cursor caret = CurrentSelection().start;
    const std::string name =
        exporter::DefinitionName(text, caret, stockindex::ProcessIncludeCache());
    // The definition's name as the file's, without what a file name cannot hold.
    QString suggested = Characters(name).replace(QLatin1Char('/'), QLatin1Char('_'));
    if (suggested.isEmpty()) suggested = QFileInfo(GetDocument().GetTitle()).completeBaseName();
    const QString documentPath = GetDocument().GetPathName();
    if (!documentPath.isEmpty()) {
        suggested = QFileInfo(documentPath).absoluteDir().filePath(suggested);
    }
    const auto destination = AskForDestination(window(), suggested + QStringLiteral(".glb"));
    if (!destination) return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    MessageBoxSink messages(window());
    preview3d::FontTextRaster raster;
    // A registry of its own: the engine of the export publishes its loader to
    // the registry it loads through, and takes it away when it goes, which
    // must not leave an open 3D preview without one.
    model::TextureRegistry textures;
    preview3d::SceneEnvironment environment(messages, textures, raster);
    const std::string out = QFile::encodeName(destination->path).toStdString();
    // The animation stands where the 3D preview of this view shows it.
    const std::int32_t tick = m_pD3DPreview ? m_pD3DPreview->Session().Tick() : 0;
    const auto result = exporter::ExportDefinition(
        text, caret, environment,
        preview3d::DocumentFolderOf(QFile::encodeName(documentPath).toStdString()), tick,
        {destination->format, out, name});
    exporter::WriteOutcome written;
    if (result.failure.empty()) written = exporter::WriteOutputFiles(result.files);
    QApplication::restoreOverrideCursor();

    if (!result.failure.empty() || written.error) {
        const QString reason = written.error ? QString::fromStdString(written.error.message())
                                             : QString::fromStdString(result.failure);
        const QString path =
            written.error ? QFile::decodeName(written.failedPath.c_str()) : destination->path;
        QMessageBox::warning(window(), CLumtrakStockEditorApp::Title(),
                             Translated(kExportModelFailed).arg(path, reason));
        return;
    }
    QString status = Translated(kExportModelDone)
                         .arg(result.counts.parts)
                         .arg(result.counts.faces)
                         .arg(result.counts.textures)
                         .arg(destination->path);
    for (const std::string& note : environment.notes)
        status += QStringLiteral("; ") + ProgramText(note);
    for (const std::string& path : written.writtenInPlace)
        status += QStringLiteral("; ") + ProgramText(platform::WrittenInPlaceNote(path));
    if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->SetMessageText(status);
}

}  // namespace lumtrak::editor
