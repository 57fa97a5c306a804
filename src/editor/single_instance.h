#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace lumtrak::editor {

// One editor per user: a launch with files hands them to the editor that runs
// already, through a local socket, and ends; the running editor opens them.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket in the user's runtime folder, else in a folder of the user's own
    // below the temporary folder that no other user can enter; empty (no
    // hand-over) when neither can be had.
    static QString DefaultSocketPath();

    // Whether an editor listens on the socket.
    bool AnotherIsRunning() const;
    // Gives files (absolute paths) to the editor that listens; true when it
    // took them.
    bool HandOver(const QStringList& files) const;
    // Listens for later launches; false when the socket cannot be set up.
    bool Listen();

  signals:
    void filesReceived(const QStringList& files);

  private:
    void OnNewConnection();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

}  // namespace lumtrak::editor
