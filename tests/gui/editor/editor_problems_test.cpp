// Syntax colouring and the Problems panel of the editor.
#include <Qsci/qsciscintillabase.h>

#include <QLabel>
#include <QToolTip>
#include <QTranslator>
#include <QTreeView>
#include <QtTest>

#include "diagnostics/problem.h"
#include "editor/definition_lexer.h"
#include "editor/editor_fixture.h"
#include "editor/editor_translations.h"
#include "editor/problem_texts.h"
#include "editor/problems_dock.h"
#include "editor/syntax_colouring.h"
#include "editor/view_problems.h"
#include "support/modal_windows.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {

using diagnostics::TokenKind;
using testing::TempFolder;
using Sci = QsciScintillaBase;

namespace {

int StyleAt(CLumtrakStockEditorView& view, std::size_t pos) {
    return int(view.SendScintilla(Sci::SCI_GETSTYLEAT, long(pos)));
}

int Style(TokenKind kind) {
    return DefinitionLexer::StyleOf(kind);
}

// An editor with one stock document of text, its window shown.
struct EditorWith {
    explicit EditorWith(const std::string& text) {
        editor.Start({QString::fromStdString(folder.Write("loco.stk", text))});
        editor.Frame().resize(1000, 700);
        editor.Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor.Frame()));
    }
    CLumtrakStockEditorView& View() { return editor.View(); }
    ProblemsDock& Dock() { return editor.Frame().Problems(); }
    ViewProblems& Problems() { return *ViewProblems::Of(&View()); }

    TempFolder folder;
    EditorUnderTest editor;
};

QPalette DarkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::Text, Qt::white);
    return palette;
}

}  // namespace

class EditorProblemsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { SyntaxColouring::Setting().Read(settingsOn_); }

    void aSampleLineIsColouredAsTheLoaderReadsIt() {
        const std::string text =
            "name Test\r\nfill 1 2 3 4/5/6 7 8 9 10 11 12 \"a.bmp\" 1 1 1 .body [Left] *Glass # "
            "x\r\n";
        EditorWith with(text);
        CLumtrakStockEditorView& view = with.View();
        view.repaint();
        const std::size_t fill = text.find("fill");
        QCOMPARE(StyleAt(view, 0), Style(TokenKind::Keyword));
        QCOMPARE(StyleAt(view, 5), Style(TokenKind::DefinitionName));
        QCOMPARE(StyleAt(view, fill), Style(TokenKind::Keyword));
        QCOMPARE(StyleAt(view, fill + 5), Style(TokenKind::Number));
        QCOMPARE(StyleAt(view, text.find('/')), Style(TokenKind::Separator));
        QCOMPARE(StyleAt(view, text.find("\"a.bmp")), Style(TokenKind::TextureName));
        QCOMPARE(StyleAt(view, text.find(".body")), Style(TokenKind::AliasReference));
        QCOMPARE(StyleAt(view, text.find("[Left")), Style(TokenKind::SideTag));
        QCOMPARE(StyleAt(view, text.find("*Glass")), Style(TokenKind::Material));
        QCOMPARE(StyleAt(view, text.find("# x")), Style(TokenKind::Comment));
        // In the light palette, every style on white paper and in the view's font.
        auto* lexer = qobject_cast<DefinitionLexer*>(view.lexer());
        QVERIFY(lexer);
        QVERIFY(!lexer->IsDark());
        QCOMPARE(QColor(QRgb(view.SendScintilla(Sci::SCI_STYLEGETBACK, 2UL))).rgb() & 0xFFFFFF,
                 0xFFFFFFu);
        QCOMPARE(lexer->font(Style(TokenKind::Comment)).family(), view.font().family());
        QCOMPARE(view.Text(), std::string_view(text));
        QVERIFY(!view.GetDocument().IsModified());
    }

    void theDarkPaletteFollowsTheDesktop() {
        EditorWith with("name Dark\r\n");
        const QPalette light = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        auto* lexer = qobject_cast<DefinitionLexer*>(with.View().lexer());
        QVERIFY(lexer);
        QVERIFY(lexer->IsDark());
        QVERIFY(lexer->paper(0).lightness() < 64);
        QVERIFY(lexer->color(Style(TokenKind::Plain)).lightness() > 160);
        QApplication::setPalette(light);
        QVERIFY(!lexer->IsDark());
    }

    void onlyTheLinesInViewAreColouredUntilTheyComeIntoView() {
        std::string text;
        for (int i = 0; i < 3000; ++i)
            text += "fill 1 2 3 4 5 6 7 8 9 10 11 12\r\n";
        EditorWith with(text);
        CLumtrakStockEditorView& view = with.View();
        view.repaint();
        const std::size_t farAway = text.size() - text.find('\n') - 1;  // the last line
        view.SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
        QCOMPARE(StyleAt(view, farAway), DefinitionLexer::kUncolouredStyle);
        view.SetSelection({farAway, farAway});
        view.repaint();
        QCOMPARE(StyleAt(view, farAway), Style(TokenKind::Keyword));
    }

    void syntaxColouringTurnsOffAndOnAndIsKept() {
        EditorWith with("name Plain\r\nfill 1 2 3\r\n");
        CLumtrakStockEditorView& view = with.View();
        view.repaint();
        QAction* item = MenuAction(with.editor.Frame(), "View", "viewSyntaxColouring");
        QVERIFY(item);
        with.editor.Frame().UpdateCommandStates();
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!view.lexer());
        view.repaint();
        for (std::size_t pos = 0; pos < view.Text().size(); ++pos)
            QCOMPARE(StyleAt(view, pos), 0);
        QCOMPARE(with.editor.settings.Read("Editor", "SyntaxColouring").value_or(""),
                 std::string("0"));
        with.editor.Frame().UpdateCommandStates();
        QVERIFY(!item->isChecked());
        item->trigger();
        QVERIFY(view.lexer());
        QCOMPARE(view.Text(), std::string_view("name Plain\r\nfill 1 2 3\r\n"));
    }

    void theProblemsOfTypingAnUnknownIncludeNameAreListed() {
        EditorWith with("name Typed\r\n");
        CLumtrakStockEditorView& view = with.View();
        QVERIFY(with.Dock().isHidden());
        view.SetSelection({11, 11});
        QTest::keyClicks(&view, "include 0 0 0 nosuch");
        // Nothing is looked for while typing goes on.
        QCOMPARE(with.Dock().Model().rowCount(), 0);
        QTRY_COMPARE(with.Dock().Model().rowCount(), 1);
        QVERIFY(!with.Dock().isHidden());
        const ProblemsModel& model = with.Dock().Model();
        QCOMPARE(model.data(model.index(0, ProblemsModel::kLine), Qt::DisplayRole).toInt(), 2);
        QCOMPARE(model.data(model.index(0, ProblemsModel::kText), Qt::DisplayRole).toString(),
                 QStringLiteral("part 'nosuch' is defined neither in this text nor in \"Stock "
                                "Index\": nothing is placed"));
        QCOMPARE(model.data(model.index(0, ProblemsModel::kCode), Qt::DisplayRole).toString(),
                 QStringLiteral("include-not-found"));
        QVERIFY(!model.data(model.index(0, ProblemsModel::kSeverity), Qt::DecorationRole)
                     .value<QIcon>()
                     .isNull());
        QCOMPARE(with.Dock().CountLabel().text(), QStringLiteral("Problems: 1"));
        // The name is underlined, and the underline tells the problem.
        const long name = long(view.Text().find("nosuch"));
        QCOMPARE(
            view.SendScintilla(Sci::SCI_INDICATORVALUEAT,
                               static_cast<unsigned long>(ViewProblems::kErrorIndicator), name),
            1L);
        QCOMPARE(
            view.SendScintilla(Sci::SCI_INDICATORVALUEAT,
                               static_cast<unsigned long>(ViewProblems::kErrorIndicator), name - 2),
            0L);
        emit view.SCN_DWELLSTART(int(name) + 1, 10, 10);
        QCOMPARE(QToolTip::text(),
                 model.data(model.index(0, ProblemsModel::kText), Qt::DisplayRole).toString());
        // Mended, the problem goes.
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClicks(&view, "h\r");
        QTRY_COMPARE(with.Dock().Model().rowCount(), 1);
        QTest::keyClicks(&view, "[end]");
        with.Problems().Refresh();
        QCOMPARE(with.Dock().Model().rowCount(), 1);  // "nosuch" is still found nowhere
    }

    void aDoubleClickOrEnterPutsTheCaretAtTheProblem() {
        const std::string text =
            "name Go\r\nfill 1 2 3\r\n\r\n  stray words\r\ninclude 0 0 0 x\r\n";
        EditorWith with(text);
        CLumtrakStockEditorView& view = with.View();
        with.Problems().Refresh();
        QTreeView& list = with.Dock().List();
        QCOMPARE(list.model()->rowCount(), 2);
        QTRY_VERIFY(list.isVisible() && list.viewport()->height() > 0);
        view.SetSelection({0, 0});
        const QRect row = list.visualRect(list.model()->index(1, ProblemsModel::kText));
        // A double-click as the mouse makes it: a click, then the second press.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(view.CurrentSelection().start, text.find('x'));
        QCOMPARE(view.CurrentSelection().end, text.find('x'));
        list.setCurrentIndex(list.model()->index(0, ProblemsModel::kText));
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(view.CurrentSelection().start, text.find("stray"));
    }

    void savingLooksForProblemsAtOnce() {
        EditorWith with("name Saved\r\n");
        CLumtrakStockEditorView& view = with.View();
        view.SetSelection({11, 11});
        QTest::keyClicks(&view, "include 0 0 0 gone");
        QVERIFY(view.GetDocument().DoSave(view.GetDocument().GetPathName()));
        QCOMPARE(with.Dock().Model().rowCount(), 1);
    }

    void theLoadersNotesAreRowsToo() {
        // Each part includes the next twice: the include budget runs out.
        std::string text = "name Top\r\ninclude 0 0 0 p0\r\n[end]\r\n";
        for (int k = 0; k < 18; ++k) {
            const std::string next = "p" + std::to_string(k + 1);
            text += "name p" + std::to_string(k) + "\r\ninclude 0 0 0 " + next +
                    "\r\ninclude 0 0 0 " + next + "\r\n[end]\r\n";
        }
        EditorWith with(text + "name p18\r\n[end]\r\n");
        with.Problems().Refresh();
        QVERIFY(!with.Problems().Notes().empty());
        const ProblemsModel& model = with.Dock().Model();
        const int last = model.rowCount() - 1;
        QCOMPARE(std::size_t(model.rowCount()),
                 with.Problems().Problems().size() + with.Problems().Notes().size());
        QVERIFY(model.data(model.index(last, ProblemsModel::kText), Qt::DisplayRole)
                    .toString()
                    .startsWith(QStringLiteral("include budget spent")));
        QVERIFY(model.data(model.index(last, ProblemsModel::kLine), Qt::DisplayRole).isNull());
        QCOMPARE(with.Problems().Problems().front().CodeName(), "include-budget");
    }

    void theNewTextsAreGerman() {
        InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::German));
        QStringList english;
        for (const diagnostics::ProblemKind& kind : diagnostics::ProblemKinds()) {
            const std::string pattern(kind.pattern);
            if (QCoreApplication::translate(kProblemContext, pattern.c_str()) ==
                QString::fromStdString(pattern)) {
                english << QString::fromStdString(pattern);
            }
        }
        const std::string inPart(diagnostics::kInPartPattern);
        if (QCoreApplication::translate(kProblemContext, inPart.c_str()) ==
            QString::fromStdString(inPart)) {
            english << QString::fromStdString(inPart);
        }
        for (const auto severity : {diagnostics::Severity::Error, diagnostics::Severity::Warning,
                                    diagnostics::Severity::Note}) {
            const QString shown = SeverityText(severity);
            if (shown == QStringLiteral("Error") || shown == QStringLiteral("Warning") ||
                shown == QStringLiteral("Note")) {
                english << shown;
            }
        }
        ProblemsDock dock;
        if (dock.windowTitle() == QStringLiteral("Problems")) english << dock.windowTitle();
        if (dock.Model().headerData(ProblemsModel::kLine, Qt::Horizontal, Qt::DisplayRole) ==
            QStringLiteral("Line")) {
            english << QStringLiteral("Line");
        }
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QCOMPARE(english, QStringList());
    }

  private:
    platform::MemorySettingsStore settingsOn_;
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorProblemsTest)
#include "editor_problems_test.moc"
