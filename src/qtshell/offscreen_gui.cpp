#include "qtshell/offscreen_gui.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace lumtrak::qtshell {
namespace {

int argumentCount = 1;
char programName[] = "lumtrak";
char* arguments[] = {programName, nullptr};

// Setting up the platform may warn about the environment (a missing runtime
// folder, say); painting into images does not need any of it, and the command
// line's standard error is kept for its own messages.
void DropNonFatalMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg || type == QtCriticalMsg) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

}  // namespace

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(&DropNonFatalMessages);
    application_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
    qInstallMessageHandler(previous);
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace lumtrak::qtshell
