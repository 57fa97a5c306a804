#pragma once

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <chrono>
#include <functional>

#include "support/user_folders.h"

// Modal windows in GUI tests: a check that fails while a modal window is open
// must not leave the test waiting in that window's event loop forever.
namespace lumtrak::testing {

inline constexpr std::chrono::milliseconds kModalHandlerDeadline = std::chrono::seconds(5);
inline constexpr std::chrono::milliseconds kModalWatchdogDeadline = std::chrono::seconds(10);

// Closes every open modal window, innermost first: a dialog is rejected, any
// other window closed.
void CloseModalWindows();

// Fails the test function that is running with message.
void FailRunningTest(const QString& message);

namespace detail {
void WhenModalOpens(std::function<QWidget*()> find, std::function<void(QWidget*)> handle,
                    std::chrono::milliseconds deadline);
}

// Runs handle on the modal window of type Window that the next action opens,
// once it is open (looked for until the deadline). A window that handle leaves
// open (a check inside it failed before it could close the window) fails the
// test and is closed, so that the action returns.
template <typename Window, typename Handler>
void WhenModalOpens(Handler handle, std::chrono::milliseconds deadline = kModalHandlerDeadline) {
    detail::WhenModalOpens(
        []() -> QWidget* { return qobject_cast<Window*>(QApplication::activeModalWidget()); },
        [handle](QWidget* window) { handle(static_cast<Window*>(window)); }, deadline);
}

// While it lives, a modal window that stays open longer than the deadline is
// reported (by default: the running test fails) and closed.
class ModalWatchdog : public QObject {
  public:
    using Report = std::function<void(const QString& message)>;
    explicit ModalWatchdog(std::chrono::milliseconds deadline = kModalWatchdogDeadline,
                           Report report = FailRunningTest);

  private:
    void Check();

    std::chrono::milliseconds deadline_;
    Report report_;
    QTimer timer_;
    QPointer<QWidget> watched_;
    std::chrono::steady_clock::time_point since_;
};

}  // namespace lumtrak::testing

// QTEST_MAIN for the kit's GUI tests, with a ModalWatchdog for the whole run,
// and the user's folders of the run's own.
#define LUMTRAK_GUI_TEST_MAIN(TestObject)                  \
    int main(int argc, char* argv[]) {                     \
        lumtrak::testing::IsolatedUserFolders userFolders; \
        QApplication app(argc, argv);                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);           \
        lumtrak::testing::ModalWatchdog watchdog;          \
        TestObject test;                                   \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return QTest::qExec(&test, argc, argv);            \
    }
