#include "support/modal_windows.h"

#include <QDialog>

namespace lumtrak::testing {

void CloseModalWindows() {
    // Bounded: a window that refuses to close must not keep the test here.
    for (int i = 0; i < 16; ++i) {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) return;
        if (auto* dialog = qobject_cast<QDialog*>(window)) {
            dialog->reject();
        } else {
            window->close();
        }
        if (window->isVisible()) window->hide();
    }
}

void FailRunningTest(const QString& message) {
    QTest::qFail(message.toUtf8().constData(), __FILE__, __LINE__);
}

namespace detail {

void WhenModalOpens(std::function<QWidget*()> find, std::function<void(QWidget*)> handle,
                    std::chrono::milliseconds deadline) {
    auto* poll = new QTimer(qApp);
    const auto end = std::chrono::steady_clock::now() + deadline;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget* window = find();
        if (window == nullptr) {
            // Nothing opened: the test's own checks tell what went wrong.
            if (std::chrono::steady_clock::now() >= end) poll->deleteLater();
            return;
        }
        poll->stop();
        poll->deleteLater();
        const QPointer<QWidget> handled(window);
        handle(window);
        if (handled && handled->isVisible()) {
            FailRunningTest(QStringLiteral("the modal window \"%1\" was left open")
                                .arg(handled->windowTitle()));
            CloseModalWindows();
        }
    });
    poll->start(5);
}

}  // namespace detail

ModalWatchdog::ModalWatchdog(std::chrono::milliseconds deadline, Report report)
    : deadline_(deadline), report_(std::move(report)) {
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::Check);
    timer_.start(std::max<int>(10, int(deadline.count() / 20)));
}

void ModalWatchdog::Check() {
    QWidget* window = QApplication::activeModalWidget();
    const auto now = std::chrono::steady_clock::now();
    if (window != watched_) {
        watched_ = window;
        since_ = now;
        return;
    }
    if (window == nullptr || now - since_ < deadline_) return;
    report_(QStringLiteral("the modal window \"%1\" stayed open for %2 ms; closed")
                .arg(window->windowTitle())
                .arg(deadline_.count()));
    CloseModalWindows();
    watched_ = nullptr;
}

}  // namespace lumtrak::testing
