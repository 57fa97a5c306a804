// An editor in a process of its own, for the recovery tests to kill: started
// as the program starts (settings in memory, no hand-over), it opens FILE,
// types TEXT at its end and keeps running. It says on standard output what
// happens: "offered N" when the recovery dialog opens with N copies (it then
// chooses Later), "started", then "typed".
//   lumtrak_editor_recovery_child FILE TEXT
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/recovery_dialog.h"
#include "platform/settings_store.h"

namespace {

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumtrak_editor_recovery_child FILE TEXT\n");
        return 2;
    }
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        auto* dialog =
            qobject_cast<lumtrak::editor::RecoveryDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        Say(QStringLiteral("offered %1")
                .arg(dialog->findChild<QTreeWidget*>()->topLevelItemCount()));
        dialog->reject();
    });
    watch.start(10);

    lumtrak::platform::MemorySettingsStore settings;
    lumtrak::editor::CLumtrakStockEditorApp editor(settings, QString());
    if (editor.InitInstance({{QString::fromLocal8Bit(argv[1])}, {}}) !=
        lumtrak::editor::CLumtrakStockEditorApp::StartUp::Running) {
        return 1;
    }
    Say(QStringLiteral("started"));
    lumtrak::editor::CLumtrakStockEditorView& view = *editor.MainFrame()->GetActiveView();
    view.SetSelection({view.Text().size(), view.Text().size()});
    QTest::keyClicks(&view, QString::fromLocal8Bit(argv[2]));
    Say(QStringLiteral("typed"));
    return QApplication::exec();
}
