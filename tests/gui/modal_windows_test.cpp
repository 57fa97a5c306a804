#include <QMessageBox>
#include <QtTest>

#include "support/modal_windows.h"

namespace lumtrak::testing {

class ModalWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void theWatchdogClosesAWindowLeftOpenAndReportsIt() {
        QStringList reports;
        ModalWatchdog watchdog(std::chrono::milliseconds(100),
                               [&](const QString& message) { reports << message; });
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Forgotten"), QStringLiteral("text"),
                        QMessageBox::Ok);
        QElapsedTimer elapsed;
        elapsed.start();
        box.exec();
        QVERIFY(elapsed.elapsed() < 5000);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("\"Forgotten\"")));
    }

    void aHandledWindowIsLeftToItsHandler() {
        bool handled = false;
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            handled = true;
            box->accept();
        });
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Asked"), QStringLiteral("text"),
                        QMessageBox::Ok);
        box.exec();
        QVERIFY(handled);
    }

    void closingReachesNestedWindows() {
        QMessageBox outer(QMessageBox::NoIcon, QStringLiteral("Outer"), {}, QMessageBox::Ok);
        QMessageBox inner(QMessageBox::NoIcon, QStringLiteral("Inner"), {}, QMessageBox::Ok);
        QTimer::singleShot(0, &inner, [&] { inner.exec(); });
        QTimer::singleShot(50, [] { CloseModalWindows(); });
        outer.exec();
        QVERIFY(!outer.isVisible());
        QVERIFY(!inner.isVisible());
    }
};

}  // namespace lumtrak::testing

LUMTRAK_GUI_TEST_MAIN(lumtrak::testing::ModalWindowsTest)
#include "modal_windows_test.moc"
