#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

namespace lumtrak::editor {

// Watches the files that a preview's last load read (its included parts'
// files, the "Stock Index", its textures) and says once when any of them
// changes on disk: a burst of changes (a save writes, renames, sets the mode)
// makes one signal, kCoalesceMs after the first change.
class PreviewFileWatch : public QObject {
    Q_OBJECT

  public:
    static constexpr int kCoalesceMs = 30;

    explicit PreviewFileWatch(QObject* parent = nullptr);

    // Watches exactly these files from now on. A file that a save replaced
    // (a new file renamed over the old one) is watched again by its path.
    void Watch(const std::vector<std::string>& files);
    QStringList Watched() const { return watcher_.files(); }

  signals:
    void filesChanged();

  private:
    void OnFileChanged();

    QFileSystemWatcher watcher_;
    QTimer coalesce_;
};

}  // namespace lumtrak::editor
