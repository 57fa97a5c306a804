#include <Qsci/qsciscintillabase.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>
#include <filesystem>

#include "editor/d3d_preview.h"
#include "editor/editor_fixture.h"
#include "editor/find_replace_dialog.h"
#include "editor/preview2d_dialog.h"
#include "editor/text_search.h"
#include "qtshell/windows1252.h"
#include "support/modal_windows.h"
#include "support/qt_text.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "tools/point_conversions.h"
#include "tools/rewrite_result.h"

namespace lumtrak::editor {

using testing::Q;

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WhenModalOpens;

using namespace std::string_literals;

namespace {

// Every byte value, and each kind of line end.
std::string AwkwardBytes() {
    std::string bytes = "fill 1/2/3\r\nline 4/5/6\nrect\r\r\n";
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    return bytes + "\n\r\0end"s;
}

// Types text as a keyboard with those keys would, one key press per character.
void Type(QWidget& widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&widget, &press);
    }
}

// Keeps a folder from taking new files while it lives: its write permission
// off, or for the superuser, whom permissions do not bind, its immutable
// attribute on.
struct FolderLock {
    explicit FolderLock(std::string folder) : path(std::move(folder)) {
        if (::geteuid() == 0) {
            locked = testing::RunProcess("/usr/bin/chattr", {"+i", path}).exitCode == 0;
        } else {
            locked = ::chmod(path.c_str(), 0555) == 0;
        }
    }
    ~FolderLock() {
        if (::geteuid() == 0) {
            testing::RunProcess("/usr/bin/chattr", {"-i", path});
        } else {
            ::chmod(path.c_str(), 0755);
        }
    }
    std::string path;
    bool locked = false;
};

}  // namespace

class EditorViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyByteLoadsAndSavesUnchanged() {
        TempFolder temp;
        const std::string bytes = AwkwardBytes();
        const std::string path = temp.Write("awkward.stk", bytes);
        EditorUnderTest editor;
        editor.Start({Q(path)});
        QCOMPARE(editor.View().Text(), std::string_view(bytes));
        QVERIFY(!editor.Document().IsModified());

        QVERIFY(editor.Document().OnSaveDocument(Q(temp / "copy.stk")));
        QCOMPARE(ReadFileBytes(temp / "copy.stk"), bytes);
        editor.View().SetSelection({0, 4});
        editor.View().ReplaceSelection("Fill");
        editor.Frame().ExecuteCommand(Command::FileSave);
        QCOMPARE(ReadFileBytes(temp / "copy.stk"), "Fill" + bytes.substr(4));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(std::distance(std::filesystem::directory_iterator(temp.Path()),
                               std::filesystem::directory_iterator()),
                 2);  // no temporary file left beside them
    }

    void aLargeTextOpensWhole() {
        // Megabytes of every byte value and line end, in lines of ordinary length.
        std::string bytes;
        const std::string awkward = AwkwardBytes();
        while (bytes.size() < (std::size_t(6) << 20))
            bytes += "fill 1/2/3 4/5/6 7/8/9 10/11/12 0:0:255 [Left]\r\n" + awkward + "\r\n";
        TempFolder temp;
        EditorUnderTest editor;
        editor.Start({Q(temp.Write("large.stk", bytes))});
        QCOMPARE(editor.View().Text().size(), bytes.size());
        QVERIFY(editor.View().Text() == bytes);
        QVERIFY(!editor.Document().IsModified());
        // Annotations, which the view does not use, stay hidden: shown, they
        // make every inserted line be laid out as it comes in.
        QCOMPARE(editor.View().annotationDisplay(), QsciScintilla::AnnotationHidden);
    }

    void saveRefusesAReadOnlyFileAndOffersSaveAs() {
        TempFolder temp;
        const std::string path = temp.Write("locked.stk", "old");
        ::chmod(path.c_str(), 0444);
        EditorUnderTest editor;
        editor.Start({Q(path)});
        editor.View().ReplaceSelection("new ");
        const QString refusal =
            Q(path) + QStringLiteral(
                          " is read-only and was not saved.\nSave the text under "
                          "another name?");
        QString asked;
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            box->reject();
        });
        editor.Frame().ExecuteCommand(Command::FileSave);
        QCOMPARE(asked, refusal);
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(ReadFileBytes(path), std::string("old"));

        // Save As from the message: the text goes to the name chosen there.
        const std::string other = temp / "other.stk";
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            WhenModalOpens<QFileDialog>([&](QFileDialog* files) {
                files->selectFile(Q(other));
                static_cast<QDialog*>(files)->accept();
            });
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == QMessageBox::AcceptRole) button->click();
            }
        });
        editor.Frame().ExecuteCommand(Command::FileSave);
        QCOMPARE(asked, refusal);
        QCOMPARE(ReadFileBytes(other), std::string("new old"));
        QCOMPARE(ReadFileBytes(path), std::string("old"));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Document().GetPathName(), Q(other));
    }

    void saveWritesInPlaceWhereTheFolderTakesNoNewFileAndSaysSo() {
        TempFolder temp;
        const std::string path = temp.Write("locked/loco.stk", "old");
        FolderLock lock(temp / "locked");
        if (!lock.locked) QSKIP("no way to lock a folder here");
        EditorUnderTest editor;
        editor.Start({Q(path)});
        editor.View().ReplaceSelection("new ");
        editor.Frame().ExecuteCommand(Command::FileSave);
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(ReadFileBytes(path), std::string("new old"));
        QCOMPARE(editor.Frame().MessageText(),
                 Q(path) + QStringLiteral(
                               " was written in place: its folder takes no new file beside it."));
    }

    void theSavingAndCaptureTextsSpeakGerman() {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/lumtrak_stock_editor_de.qm")));
        const std::pair<const char*, const char*> texts[] = {
            {"lumtrak::editor::CLumtrakStockEditorDoc",
             "%1 was written in place: its folder takes no new file beside it."},
            {"lumtrak::editor::CLumtrakStockEditorDoc",
             "%1 is read-only and was not saved.\nSave the text under another name?"},
            {"lumtrak::editor::CLumtrakStockEditorDoc", "Save &As..."},
            {"lumtrak::editor::D3DPreview", "Animation frame %1 could not be written: %2"},
            {"lumtrak::editor::D3DPreview",
             "Animation frames Temp00.bmp to Temp%1.bmp written to %2"},
        };
        for (const auto& [context, source] : texts)
            QVERIFY2(!german.translate(context, source).isEmpty(), source);
    }

    void enterTypesTheDocumentsOwnLineEnd() {
        TempFolder temp;
        const std::pair<const char*, std::string_view> cases[] = {
            {"crlf.stk", "a\r\nb\n"}, {"lf.stk", "a\nb\r\n"}, {"cr.stk", "a\rb"}};
        const std::string_view typed[] = {"\r\n", "\n", "\r"};
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        QTest::keyClick(&editor.View(), Qt::Key_Return);
        QCOMPARE(editor.View().Text(), std::string_view("\r\n"));  // a new document
        for (std::size_t i = 0; i < 3; ++i) {
            editor.app.OpenDocumentFile(
                Q(temp.Write(cases[i].first, std::string(cases[i].second))));
            QTest::keyClick(&editor.View(), Qt::Key_Return);
            QCOMPARE(editor.View().Text(), std::string(typed[i]) + std::string(cases[i].second));
        }
    }

    void aKeyPressSetsTheTextChangedFlagAndRepaintsThePreview() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        QTest::keyClick(&view, Qt::Key_Q, Qt::AltModifier);  // a menu key, not typing
        QVERIFY(!view.m_bTextChanged);
        QVERIFY(view.Text().empty());
        auto* preview = new CountingPreview;
        view.m_pPreview2D = preview;
        preview->show();
        QTRY_VERIFY(preview->paints > 0);
        preview->paints = 0;
        QTest::keyClick(&view, Qt::Key_X);
        QVERIFY(view.m_bTextChanged);
        QCOMPARE(view.Text(), std::string_view("x"));
        QTRY_VERIFY(preview->paints > 0);

        // Replacements repaint the preview but are no typing.
        view.m_bTextChanged = false;
        preview->paints = 0;
        view.ReplaceSelection("y");
        view.RepaintPreview();
        QVERIFY(!view.m_bTextChanged);
        QTRY_VERIFY(preview->paints > 0);
    }

    void theTextBufferWorksInBytesAndEachReplacementIsOneUndoStep() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        const std::string loaded = "\xA3\x80\r\nfill \0 1/2/3\r\n"s;
        view.LoadText(loaded);
        view.SetSelection({4, 9});
        QCOMPARE(view.CurrentSelection().start, 4u);
        QCOMPARE(view.CurrentSelection().end, 9u);
        view.SetSelection({7, 400});
        QCOMPARE(view.CurrentSelection().end, view.Text().size());

        view.SetSelection({view.Text().size(), view.Text().size()});
        QTest::keyClicks(&view, QStringLiteral("typed"));
        QVERIFY(view.isUndoAvailable());
        const std::string typed(view.Text());
        view.SetSelection({4, 8});
        view.ReplaceSelection("Fill\0\xFF"s);
        const std::string replaced(view.Text());
        QCOMPARE(view.Text(), std::string_view("\xA3\x80\r\nFill\0\xFF \0 1/2/3\r\ntyped"s));
        QCOMPARE(view.CurrentSelection(), (tools::Selection{10, 10}));
        QVERIFY(editor.Document().IsModified());
        editor.Frame().UpdateCommandStates();
        QVERIFY(editor.Frame().StateOf(Command::EditUndo).enabled);
        QVERIFY(!editor.Frame().StateOf(Command::EditRedo).enabled);

        // Undo gives back the bytes and the selection; Redo the replacement.
        editor.Frame().ExecuteCommand(Command::EditUndo);
        QCOMPARE(view.Text(), std::string_view(typed));
        QCOMPARE(view.CurrentSelection(), (tools::Selection{4, 8}));
        QVERIFY(editor.Frame().StateOf(Command::EditRedo).enabled);
        editor.Frame().ExecuteCommand(Command::EditRedo);
        QCOMPARE(view.Text(), std::string_view(replaced));
        QCOMPARE(view.CurrentSelection(), (tools::Selection{10, 10}));
        // The typing before it stays in the history, down to the loaded text.
        view.undo();
        view.undo();
        QCOMPARE(view.Text(), std::string_view(loaded));
        QVERIFY(!view.isUndoAvailable());
        QVERIFY(!editor.Document().IsModified());

        // A replacement that changes nothing is no step.
        view.SetSelection({3, 3});
        view.ReplaceSelection("");
        QCOMPARE(view.Text(), std::string_view(loaded));
        QVERIFY(!view.isUndoAvailable());
    }

    void undoOfEveryEditPutsBackTheSelectionInTheWindowThatUndoes() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& first = editor.View();
        const std::string_view text = "fill 1/2/3\r\nrect 4/5/6\r\nline 7/8/9\r\n";
        first.LoadText(text);
        auto* preview = new CountingPreview;
        first.m_pPreview2D = preview;
        preview->show();
        QTRY_VERIFY(preview->paints > 0);

        // Cut, then paste somewhere else: each comes back with its selection.
        first.SetSelection({12, 24});
        first.cut();
        first.SetSelection({0, 4});
        first.paste();
        const std::string pasted(first.Text());
        QCOMPARE(pasted, "rect 4/5/6\r\n 1/2/3\r\nline 7/8/9\r\n"s);
        first.m_bTextChanged = false;
        preview->paints = 0;
        first.undo();
        QCOMPARE(first.CurrentSelection(), (tools::Selection{0, 4}));
        QVERIFY(first.m_bTextChanged);  // the 3D preview rebuilds when it is next activated
        QTRY_VERIFY(preview->paints > 0);
        first.undo();
        QCOMPARE(first.Text(), text);
        QCOMPARE(first.CurrentSelection(), (tools::Selection{12, 24}));
        first.redo();
        first.redo();
        QCOMPARE(first.Text(), std::string_view(pasted));
        QCOMPARE(first.CurrentSelection(), (tools::Selection{12, 12}));

        // Replace All from its dialog, undone in another window of the document.
        first.SetSelection({2, 3});
        editor.Frame().ExecuteCommand(Command::EditReplace);
        auto* dialog = editor.Frame().findChild<FindReplaceDialog*>();
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>("findWhat")->setText(QStringLiteral("/"));
        dialog->findChild<QLineEdit*>("replaceWith")->setText(QStringLiteral(";"));
        dialog->findChild<QPushButton*>("replaceAll")->click();
        dialog->close();
        QCOMPARE(std::count(first.Text().begin(), first.Text().end(), ';'), 6);
        editor.Frame().ExecuteCommand(Command::WindowNew);
        CLumtrakStockEditorView& second = editor.View();
        QVERIFY(&second != &first);
        second.SetSelection({0, 0});
        editor.Frame().ExecuteCommand(Command::EditUndo);
        QCOMPARE(second.Text(), std::string_view(pasted));
        QCOMPARE(second.CurrentSelection(), (tools::Selection{2, 3}));
    }

    void anEditingToolRewritesTheViewAsItRewritesAMemoryBuffer() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        view.LoadText(
            "name a\r\nfill 1/2/3 4/5/6 7/8/9 -10/11/12 .body \xA3\r\nline 0/0/2 5/5/5\n");
        view.SetSelection({view.Text().size(), view.Text().size()});
        QTest::keyClicks(&view, QStringLiteral("end"));
        view.m_bTextChanged = false;
        auto* preview = new CountingPreview;
        view.m_pPreview2D = preview;
        preview->show();
        QTRY_VERIFY(preview->paints > 0);
        preview->paints = 0;

        view.SetSelection({8, 70});
        const tools::RewriteResult result =
            tools::ImperialToMetric(view.Text(), view.CurrentSelection());
        tools::MemoryTextBuffer memory(std::string(view.Text()), view.CurrentSelection());
        platform::RecordingMessageSink messages;
        tools::CommitRewrite(memory, result, messages);
        tools::CommitRewrite(view, result, messages);
        QCOMPARE(view.Text(), memory.Text());
        QVERIFY(view.CurrentSelection() == memory.CurrentSelection());
        QVERIFY(view.Text().find("Fill 3/6/9 ") != std::string_view::npos);
        QVERIFY(!view.m_bTextChanged);
        QVERIFY(editor.Document().IsModified());
        QTRY_VERIFY(preview->paints > 0);
    }

    void newWindowSharesTheTextOfTheDocument() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& first = editor.View();
        first.LoadText("name one\r\n");
        editor.Frame().ExecuteCommand(Command::WindowNew);
        CLumtrakStockEditorView& second = editor.View();
        QVERIFY(&second != &first);
        QCOMPARE(editor.Document().Views().size(), 2);
        QCOMPARE(editor.Frame().MdiArea().subWindowList().size(), 2);
        QCOMPARE(CChildFrame::Of(first)->windowTitle(), QStringLiteral("Lumtrak1:1[*]"));
        QCOMPARE(CChildFrame::Of(second)->windowTitle(), QStringLiteral("Lumtrak1:2[*]"));

        QTest::keyClicks(&second, QStringLiteral("x"));
        QCOMPARE(first.Text(), std::string_view("xname one\r\n"));
        QCOMPARE(first.Text().data(), second.Text().data());
        second.SetSelection({1, 5});
        QCOMPARE(first.CurrentSelection().start, 0u);  // each window has its own selection
        QCOMPARE(first.CurrentSelection().end, 0u);

        // Closing one window keeps the document; the last one takes it along.
        QPointer<CLumtrakStockEditorDoc> document = &editor.Document();
        delete CChildFrame::Of(second);
        QCOMPARE(document->Views().size(), 1);
        QCOMPARE(CChildFrame::Of(first)->windowTitle(), QStringLiteral("Lumtrak1[*]"));
        editor.Document().SetModifiedFlag(false);
        editor.Frame().ExecuteCommand(Command::FileClose);
        QTRY_VERIFY(document.isNull());
        QVERIFY(editor.app.Documents().isEmpty());
        QCOMPARE(editor.Frame().MenuResourceShown(), 128);
    }

    void closingAViewClosesItsLinkedPreviewWindows() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        QPointer<CPreview2DDlg> preview2D = new CPreview2DDlg;
        QPointer<D3DPreview> preview3D = new D3DPreview;
        view.m_pPreview2D = preview2D;
        view.m_pD3DPreview = preview3D;

        view.DetachD3DPreview();
        QVERIFY(view.m_pD3DPreview == nullptr);
        QVERIFY(!preview3D.isNull());  // detached, still open
        view.ClosePreview2D();
        QVERIFY(view.m_pPreview2D == nullptr);
        QTRY_VERIFY(preview2D.isNull());  // it goes once events run

        preview2D = new CPreview2DDlg;
        view.m_pPreview2D = preview2D;
        QPointer<D3DPreview> linked3D = new D3DPreview;
        view.m_pD3DPreview = linked3D;
        CChildFrame::Of(view)->close();
        QTRY_VERIFY(preview2D.isNull() && linked3D.isNull());
        QVERIFY(!preview3D.isNull());
        delete preview3D;
    }

    void textTypedOrPastedIsStoredAsWindows1252() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        Type(view, QStringLiteral("\u20AC\u00A3\u201C"));
        QCOMPARE(view.Text(), std::string_view("\x80\xA3\x93"));

        view.SetSelection({0, 3});
        view.copy();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), QStringLiteral("\u20AC\u00A3\u201C"));

        view.LoadText("\x81\x8D\x00"s);  // bytes without a character of their own
        view.SetSelection({0, 3});
        view.copy();
        view.SetSelection({3, 3});
        view.paste();
        QCOMPARE(view.Text(), std::string_view("\x81\x8D\x00\x81\x8D\x00"s));

        QApplication::clipboard()->setText(QStringLiteral("\u0152 \u4E2D\n"));
        view.paste();
        QCOMPARE(view.Text().substr(6), std::string_view("\x8C ?\r\n"));
    }

    void everyByteHasACharacterAndBack() {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        const QString text = qtshell::DecodeWindows1252(bytes);
        QCOMPARE(text.size(), 256);
        QCOMPARE(qtshell::EncodeWindows1252(text), bytes);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x9F], QChar(0x0178));
        QCOMPARE(text[0x81], QChar(0x81));
        QCOMPARE(text[0xA3], QChar(0xA3));
    }

    void findAndReplaceWorkOnTheBytes() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        view.LoadText("Fill \x80 fill\r\nfilling fill");
        SearchOptions options{"fill", false, false, true};
        QVERIFY(FindNext(view, options));
        QCOMPARE(view.CurrentSelection().start, 0u);
        QVERIFY(FindNext(view, options));
        QCOMPARE(view.CurrentSelection().start, 7u);
        options.matchCase = true;
        options.wholeWord = true;
        QVERIFY(FindNext(view, options));
        QCOMPARE(view.CurrentSelection().start, 21u);
        QVERIFY(FindNext(view, options));  // round the end
        QCOMPARE(view.CurrentSelection().start, 7u);
        options.down = false;
        QVERIFY(FindNext(view, options));
        QCOMPARE(view.CurrentSelection().start, 21u);
        QVERIFY(!FindNext(view, {"rect", false, false, true}));
        QVERIFY(FindNext(view, {qtshell::EncodeWindows1252(QStringLiteral("\u20AC")), true}));
        QCOMPARE(view.CurrentSelection().start, 5u);

        QCOMPARE(ReplaceAll(view, {"fill", false, true, true}, "Rect"), 3);
        QCOMPARE(view.Text(), std::string_view("Rect \x80 Rect\r\nfilling Rect"));
        view.undo();
        QCOMPARE(view.Text(), std::string_view("Fill \x80 fill\r\nfilling fill"));
    }

    void theEditCommandsFollowTheSelection() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        CMainFrame& frame = editor.Frame();
        QVERIFY(!frame.StateOf(Command::EditCopy).enabled);
        QVERIFY(!frame.StateOf(Command::EditFind).enabled);
        view.LoadText("fill");
        view.SetSelection({0, 2});
        QVERIFY(frame.StateOf(Command::EditCopy).enabled);
        QVERIFY(frame.StateOf(Command::EditCut).enabled);
        QVERIFY(frame.StateOf(Command::EditFind).enabled);
        frame.ExecuteCommand(Command::EditCut);
        QCOMPARE(view.Text(), std::string_view("ll"));
        QVERIFY(frame.StateOf(Command::EditUndo).enabled);
        frame.ExecuteCommand(Command::EditUndo);
        QCOMPARE(view.Text(), std::string_view("fill"));
        QVERIFY(frame.StateOf(Command::Shift).enabled);  // the tools are always enabled
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorViewTest)
#include "editor_view_test.moc"
