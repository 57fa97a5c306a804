#include "editor/preview_file_watch.h"

#include <QSet>

namespace lumtrak::editor {

PreviewFileWatch::PreviewFileWatch(QObject* parent) : QObject(parent) {
    coalesce_.setSingleShot(true);
    coalesce_.setInterval(kCoalesceMs);
    connect(&coalesce_, &QTimer::timeout, this, &PreviewFileWatch::filesChanged);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &PreviewFileWatch::OnFileChanged);
}

void PreviewFileWatch::Watch(const std::vector<std::string>& files) {
    QSet<QString> wanted;
    for (const std::string& file : files)
        wanted.insert(QString::fromStdString(file));
    // The watcher drops a file that was removed or replaced; what it still
    // has is compared, so that such a file is watched again.
    const QStringList watched = watcher_.files();
    const QSet<QString> have(watched.begin(), watched.end());
    if (have == wanted) return;
    QStringList gone;
    for (const QString& file : have) {
        if (!wanted.contains(file)) gone << file;
    }
    if (!gone.isEmpty()) watcher_.removePaths(gone);
    QStringList added;
    for (const QString& file : wanted) {
        if (!have.contains(file)) added << file;
    }
    if (!added.isEmpty()) watcher_.addPaths(added);
}

void PreviewFileWatch::OnFileChanged() {
    if (!coalesce_.isActive()) coalesce_.start();
}

}  // namespace lumtrak::editor
