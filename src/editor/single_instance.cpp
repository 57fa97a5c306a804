#include "editor/single_instance.h"

#include <unistd.h>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <memory>

#include "platform/private_folder.h"

namespace lumtrak::editor {
namespace {

// Marks a message of this protocol: the files follow as a string list.
constexpr quint32 kMagic = 0x4C4B4544;
constexpr char kTaken = 'K';
constexpr int kTimeoutMilliseconds = 3000;

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultSocketPath() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty()) return runtime + QStringLiteral("/lumtrak-stock-editor");
    }
    // Without a runtime folder, a folder of the user's own in the temporary
    // folder, which no other user can enter to take the hand-over; without
    // that either, no hand-over.
    const std::string folder = QFile::encodeName(QDir::tempPath()).toStdString() +
                               "/lumtrak-stock-editor-" + std::to_string(::geteuid());
    const auto own = platform::PrivateFolder(folder);
    if (!own) return {};
    return QFile::decodeName(QByteArray::fromStdString(*own)) + QStringLiteral("/socket");
}

bool SingleInstance::AnotherIsRunning() const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    return socket.waitForConnected(kTimeoutMilliseconds);
}

bool SingleInstance::HandOver(const QStringList& files) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kTimeoutMilliseconds)) return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << files;
    socket.write(message);
    if (!socket.waitForBytesWritten(kTimeoutMilliseconds)) return false;
    if (!socket.waitForReadyRead(kTimeoutMilliseconds)) return false;
    return socket.read(1) == QByteArray(1, kTaken);
}

bool SingleInstance::Listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
    if (server_->listen(socketPath_)) return true;
    // A socket left behind by an editor that ended without closing it.
    QLocalServer::removeServer(socketPath_);
    return server_->listen(socketPath_);
}

void SingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto stream = std::make_shared<QDataStream>(socket);
        stream->setVersion(QDataStream::Qt_6_0);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, stream] {
            stream->startTransaction();
            quint32 magic = 0;
            QStringList files;
            *stream >> magic >> files;
            if (!stream->commitTransaction()) return;  // more bytes to come
            if (magic != kMagic) {
                socket->disconnectFromServer();
                return;
            }
            socket->write(QByteArray(1, kTaken));
            socket->flush();
            emit filesReceived(files);
        });
    }
}

}  // namespace lumtrak::editor
