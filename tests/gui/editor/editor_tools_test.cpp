#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>
#include <functional>

#include "editor/dialogs/cylinder_dialog.h"
#include "editor/dialogs/dialog_controls.h"
#include "editor/dialogs/divide_panel_dialog.h"
#include "editor/dialogs/matrix_transform_dialog.h"
#include "editor/dialogs/panel_count_dialog.h"
#include "editor/dialogs/reflect_dialog.h"
#include "editor/dialogs/shift_dialog.h"
#include "editor/dialogs/stretch_dialog.h"
#include "editor/editor_fixture.h"
#include "editor/editor_translations.h"
#include "editor/preview2d_dialog.h"
#include "editor/tool_progress.h"
#include "support/modal_windows.h"
#include "tools/count_panels.h"
#include "tools/cut_out.h"
#include "tools/panel_tags.h"
#include "tools/point_conversions.h"
#include "tools/reverse_panel.h"
#include "tools/rotate_vertices.h"

namespace lumtrak::editor {

using testing::WhenModalOpens;

namespace {

// A stock body with every kind of statement the tools rewrite, and the tags
// and comments they must leave alone.
constexpr std::string_view kStock =
    "length 2000\r\n"
    "fill 0/100/0 100/100/0 100/100/50 0/100/50 255:0:0 [Left] $\r\n"
    "\trect -20/1010/5 -10/1020/5 -10/1020/15 -20/1010/15 # outline\r\n"
    "line 3/4/5 6/7/8\r\n"
    "fill 0/0/0 0/100/0 0/100/50 0/0/50 0:0:255\r\n"
    "fill 0/30/10 0/60/10 0/60/40 0/30/40 0:0:255\r\n"
    "wheel 0/100/50\t30/2 Wheel\r\n"
    "vertex 1 2 3 4/5/6\r\n";

template <typename Widget = QWidget>
Widget* Control(QWidget* dialog, int id) {
    return dialog->findChild<Widget*>(QString::number(id));
}

QString FieldText(QWidget* dialog, int id) {
    QLineEdit* edit = Control<QLineEdit>(dialog, id);
    return edit ? edit->text() : QStringLiteral("no field %1").arg(id);
}

void SetField(QWidget* dialog, int id, const QString& text) {
    if (QLineEdit* edit = Control<QLineEdit>(dialog, id)) edit->setText(text);
}

void Check(QWidget* dialog, int id) {
    if (auto* box = Control<QAbstractButton>(dialog, id)) box->click();
}

bool Checked(QWidget* dialog, int id) {
    auto* box = Control<QAbstractButton>(dialog, id);
    return box && box->isChecked();
}

void ClickOk(QWidget* dialog) {
    if (auto* ok = Control<QPushButton>(dialog, kOk)) ok->click();
}

QStringList Labels(QWidget* dialog) {
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// While it lives, answers every message box that opens, keeping the caption
// and text of the last one ("caption: text").
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + QStringLiteral(": ") + box->text();
                box->accept();
            }
        });
        poll_.start(5);
    }

    QString shown;

  private:
    QTimer poll_;
};

// Reads a dialog's fields as OK does; the message that refused a field, or ""
// when the dialog closed.
QString RefusalOnOk(QDialog& dialog) {
    MessageBoxAnswerer answerer;
    dialog.setResult(QDialog::Rejected);
    dialog.accept();
    return dialog.result() == QDialog::Accepted ? QString() : answerer.shown;
}

// Counts the changes of a view's text: insertions and deletions as the editor
// makes them.
struct ChangeCounter {
    explicit ChangeCounter(CLumtrakStockEditorView& view) {
        QObject::connect(&view, &QsciScintillaBase::SCN_MODIFIED, &view,
                         [this](int, int type, const char*, int, int, int, int, int, int, int) {
                             if (type & QsciScintillaBase::SC_MOD_INSERTTEXT) ++insertions;
                             if (type & QsciScintillaBase::SC_MOD_DELETETEXT) ++deletions;
                         });
    }
    int insertions = 0;
    int deletions = 0;
};

// An editor with one stock document holding text, selection [start, end), and
// a 2D preview stand-in.
struct ToolEditor {
    explicit ToolEditor(std::string_view text, tools::Selection selection = {})
        : editor(std::size_t(0)) {
        editor.Start();
        View().LoadText(text);
        View().SetSelection(selection);
        preview = new CountingPreview;
        View().m_pPreview2D = preview;
        preview->show();
        static_cast<void>(QTest::qWaitForWindowExposed(preview));
    }

    CLumtrakStockEditorView& View() { return editor.View(); }
    void Run(Command command) {
        QCoreApplication::processEvents();
        preview->paints = 0;
        editor.Frame().ExecuteCommand(command);
    }

    EditorUnderTest editor;
    CountingPreview* preview;
};

// The first fill, rect and line lines.
tools::Selection FirstPanels() {
    return {kStock.find("fill"), kStock.find("fill 0/0/0")};
}

tools::Selection WholeOf(std::string_view text) {
    return {0, text.size()};
}

}  // namespace

class EditorToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theTranslationDialogsStartFromTheirDefaults() {
        CShiftDialog shift;
        QCOMPARE(shift.windowTitle(), QStringLiteral("Shift Selection"));
        for (int id :
             {CShiftDialog::kW, CShiftDialog::kL, CShiftDialog::kH, CShiftDialog::kRepeatCount})
            QCOMPARE(FieldText(&shift, id), QStringLiteral("0"));
        QCOMPARE(Control<QCheckBox>(&shift, CShiftDialog::kLeaveOriginal)->text(),
                 QStringLiteral("Leave original"));
        QCOMPARE(Control<QCheckBox>(&shift, CShiftDialog::kRepeat)->text(),
                 QStringLiteral("Repeat:"));
        QVERIFY(!Checked(&shift, CShiftDialog::kLeaveOriginal) &&
                !Checked(&shift, CShiftDialog::kRepeat));
        QCOMPARE(Labels(&shift), (QStringList{"Shift by:", "W", "L", "H"}));
        QVERIFY(Control<QPushButton>(&shift, kOk)->isDefault());
        QCOMPARE(Control<QPushButton>(&shift, kCancel)->text(), QStringLiteral("Cancel"));

        CReflectDialog reflect;
        QCOMPARE(reflect.windowTitle(), QStringLiteral("Reflect Selection"));
        for (int id : {CReflectDialog::kW, CReflectDialog::kL, CReflectDialog::kH})
            QCOMPARE(FieldText(&reflect, id), QStringLiteral("0"));
        const std::pair<int, const char*> reflectBoxes[] = {
            {CReflectDialog::kLeaveOriginal, "Leave original"},
            {CReflectDialog::kReflectW, "Reflect W"},
            {CReflectDialog::kReflectL, "Reflect L"},
            {CReflectDialog::kReflectH, "Reflect H"}};
        for (const auto& [id, text] : reflectBoxes) {
            QCOMPARE(Control<QCheckBox>(&reflect, id)->text(), QString::fromLatin1(text));
            QVERIFY(!Checked(&reflect, id));
        }
        QCOMPARE(Labels(&reflect), (QStringList{"Reflection centre", "W", "L", "H"}));

        CStretchDialog stretch;
        QCOMPARE(stretch.windowTitle(), QStringLiteral("Stretch Selection"));
        for (int id : {CStretchDialog::kW, CStretchDialog::kL, CStretchDialog::kH})
            QCOMPARE(FieldText(&stretch, id), QStringLiteral("100"));
        for (int id :
             {CStretchDialog::kOriginW, CStretchDialog::kOriginL, CStretchDialog::kOriginH})
            QCOMPARE(FieldText(&stretch, id), QStringLiteral("0"));
        const std::pair<int, const char*> stretchBoxes[] = {
            {CStretchDialog::kLeaveOriginal, "Leave original"},
            {CStretchDialog::kStretchW, "Stretch W"},
            {CStretchDialog::kStretchL, "Stretch L"},
            {CStretchDialog::kStretchH, "Strecth H"}};
        for (const auto& [id, text] : stretchBoxes) {
            QCOMPARE(Control<QCheckBox>(&stretch, id)->text(), QString::fromLatin1(text));
            QVERIFY(!Checked(&stretch, id));
        }
        QVERIFY(Labels(&stretch).contains("Stretch factor"));
        QVERIFY(Labels(&stretch).contains("Origin"));
        QCOMPARE(Labels(&stretch).count("%"), 3);

        // Text fields take the number the text starts with and never refuse.
        SetField(&stretch, CStretchDialog::kW, "50%");
        SetField(&stretch, CStretchDialog::kOriginW, "abc");
        Check(&stretch, CStretchDialog::kStretchW);
        QCOMPARE(RefusalOnOk(stretch), QString());
        QCOMPARE(stretch.Parameters().factorPercent, (tools::Point{50, 100, 100}));
        QCOMPARE(stretch.Parameters().origin, (tools::Point{0, 0, 0}));
        QVERIFY(stretch.Parameters().stretchW && !stretch.Parameters().stretchH);
    }

    void thePanelDialogsStartFromTheirDefaults() {
        CDividePanelDialog divide;
        QCOMPARE(divide.windowTitle(), QStringLiteral("Divide Panel"));
        for (int id : {CDividePanelDialog::kW, CDividePanelDialog::kL, CDividePanelDialog::kH})
            QCOMPARE(FieldText(&divide, id), QStringLiteral("0"));
        const std::pair<int, const char*> radios[] = {{CDividePanelDialog::kWidth, "Width"},
                                                      {CDividePanelDialog::kLength, "Length"},
                                                      {CDividePanelDialog::kHeight, "Height"}};
        for (const auto& [id, text] : radios) {
            QCOMPARE(Control<QRadioButton>(&divide, id)->text(), QString::fromLatin1(text));
            QVERIFY(!Checked(&divide, id));
        }
        QVERIFY(Labels(&divide).contains("Divide At"));
        QCOMPARE(RefusalOnOk(divide), QString());
        QCOMPARE(divide.Parameters().axis, tools::DivideAxis::None);
        Check(&divide, CDividePanelDialog::kHeight);
        Check(&divide, CDividePanelDialog::kLength);
        QVERIFY(!Checked(&divide, CDividePanelDialog::kHeight));  // one axis at a time
        QCOMPARE(RefusalOnOk(divide), QString());
        QCOMPARE(divide.Parameters().axis, tools::DivideAxis::L);

        CPanelCountDialog count({4, 4, 3, 3, 5});
        QCOMPARE(count.windowTitle(), QStringLiteral("Panel count"));
        const std::pair<int, const char*> shown[] = {{CPanelCountDialog::kQ1, "4"},
                                                     {CPanelCountDialog::kQ2, "4"},
                                                     {CPanelCountDialog::kQ3, "3"},
                                                     {CPanelCountDialog::kQ4, "3"},
                                                     {CPanelCountDialog::kTotal, "5"}};
        for (const auto& [id, text] : shown)
            QCOMPARE(FieldText(&count, id), QString::fromLatin1(text));
        QCOMPARE(Labels(&count), (QStringList{"Q1", "Q2", "Q3", "Q4", "Total"}));
        QVERIFY(Control<QPushButton>(&count, kOk));
        QVERIFY(!Control<QPushButton>(&count, kCancel));

        CMatrixTransformDialog matrix;
        matrix.show();
        QCOMPARE(matrix.windowTitle(), QStringLiteral("Matrix Transform"));
        for (int id = CMatrixTransformDialog::kM11; id <= CMatrixTransformDialog::kM34; ++id) {
            QCOMPARE(FieldText(&matrix, id), QStringLiteral("0"));
            QVERIFY(Control<QLineEdit>(&matrix, id)->isEnabled());
        }
        for (int id = CMatrixTransformDialog::kFixedRowFirst;
             id <= CMatrixTransformDialog::kFixedRowLast; ++id)
            QVERIFY(!Control<QLineEdit>(&matrix, id)->isEnabled());
        QCOMPARE(Labels(&matrix), (QStringList{"W", "L", "H", "C", "W=", "L=", "H="}));
        matrix.hide();

        CCylinderDialog cylinder;
        cylinder.show();
        QCOMPARE(cylinder.windowTitle(), QStringLiteral("Cylinder"));
        using Cylinder = CCylinderDialog;
        const int cylinderFields[] = {
            Cylinder::kEndAW,      Cylinder::kEndAL,       Cylinder::kEndAH,
            Cylinder::kEndARadius, Cylinder::kEndARed,     Cylinder::kEndAGreen,
            Cylinder::kEndABlue,   Cylinder::kEndBW,       Cylinder::kEndBL,
            Cylinder::kEndBH,      Cylinder::kEndBRadius,  Cylinder::kEndBRed,
            Cylinder::kEndBGreen,  Cylinder::kEndBBlue,    Cylinder::kSteps,
            Cylinder::kMantleRed,  Cylinder::kMantleGreen, Cylinder::kMantleBlue};
        for (int id : cylinderFields)
            QCOMPARE(FieldText(&cylinder, id), QStringLiteral("0"));
        const int cylinderBoxes[] = {
            Cylinder::kEndASolid, Cylinder::kEndASingleSided,   Cylinder::kEndADoubleSided,
            Cylinder::kEndBSolid, Cylinder::kEndBSingleSided,   Cylinder::kEndBDoubleSided,
            Cylinder::kMantle,    Cylinder::kMantleSingleSided, Cylinder::kMantleDoubleSided};
        for (int id : cylinderBoxes) {
            QVERIFY2(Control<QCheckBox>(&cylinder, id), qPrintable(QString::number(id)));
            QVERIFY(!Checked(&cylinder, id));
        }
        QCOMPARE(Control<QCheckBox>(&cylinder, Cylinder::kMantle)->text(),
                 QStringLiteral("Cylinder"));
        QCOMPARE(Control<QCheckBox>(&cylinder, Cylinder::kEndASolid)->text(),
                 QStringLiteral("Solid"));
        QCOMPARE(Control<QCheckBox>(&cylinder, Cylinder::kMantleDoubleSided)->text(),
                 QStringLiteral("="));
        cylinder.hide();
    }

    void integerAndDecimalFieldsRefuseWhatIsNoNumber() {
        CShiftDialog shift;
        SetField(&shift, CShiftDialog::kW, "ten");  // a text field: reads 0
        SetField(&shift, CShiftDialog::kRepeatCount, "3x");
        QCOMPARE(RefusalOnOk(shift),
                 QStringLiteral("Lumtrak Stock Editor: Please enter an integer."));
        QCOMPARE(shift.result(), int(QDialog::Rejected));
        SetField(&shift, CShiftDialog::kRepeatCount, " 3 ");
        Check(&shift, CShiftDialog::kRepeat);
        QCOMPARE(RefusalOnOk(shift), QString());
        QCOMPARE(shift.Parameters().repeatCount, 3);
        QVERIFY(shift.Parameters().repeat);

        CDividePanelDialog divide;
        SetField(&divide, CDividePanelDialog::kL, "1.5");
        QCOMPARE(RefusalOnOk(divide),
                 QStringLiteral("Lumtrak Stock Editor: Please enter an integer."));

        CMatrixTransformDialog matrix;
        SetField(&matrix, CMatrixTransformDialog::kM23, "0.7x");
        QCOMPARE(RefusalOnOk(matrix),
                 QStringLiteral("Lumtrak Stock Editor: Please enter a number."));
        QCOMPARE(matrix.Matrix().m[0], 0.0f);  // nothing taken from a refused reading

        CCylinderDialog cylinder;
        cylinder.show();
        SetField(&cylinder, CCylinderDialog::kEndBW, "-5");  // no range but the colours'
        for (const char* outside : {"256", "-1"}) {
            SetField(&cylinder, CCylinderDialog::kMantleGreen, outside);
            QCOMPARE(RefusalOnOk(cylinder),
                     QStringLiteral("Lumtrak Stock Editor: Please enter an integer between 0 "
                                    "and 255."));
            QVERIFY(cylinder.isVisible());
        }
        SetField(&cylinder, CCylinderDialog::kMantleGreen, "255");
        QCOMPARE(RefusalOnOk(cylinder), QString());
        QCOMPARE(cylinder.Parameters().mantleLook.green, 255);
        QCOMPARE(cylinder.Parameters().endB.centre.x, -5);
    }

    void cylinderStepsStopWhereThePanelsWouldPassAMillionLines() {
        CCylinderDialog cylinder;
        cylinder.show();
        Check(&cylinder, CCylinderDialog::kMantle);
        Check(&cylinder, CCylinderDialog::kEndASolid);
        SetField(&cylinder, CCylinderDialog::kSteps, "100000000");
        QCOMPARE(RefusalOnOk(cylinder),
                 QStringLiteral("Lumtrak Stock Editor: Please enter an integer between 0 and "
                                "500000."));
        QVERIFY(cylinder.isVisible());
        SetField(&cylinder, CCylinderDialog::kSteps, "-3");
        QVERIFY(!RefusalOnOk(cylinder).isEmpty());
        SetField(&cylinder, CCylinderDialog::kSteps, "500000");
        QCOMPARE(RefusalOnOk(cylinder), QString());
        QCOMPARE(cylinder.Parameters().steps, 500000);
    }

    void toolsWithDialogsRewriteAsTheCoreToolsDo() {
        const tools::Selection body = FirstPanels();
        {
            ToolEditor tool(kStock, body);
            WhenModalOpens<CShiftDialog>([](CShiftDialog* dialog) {
                SetField(dialog, CShiftDialog::kW, "10");
                SetField(dialog, CShiftDialog::kL, "-20");
                SetField(dialog, CShiftDialog::kH, "30");
                Check(dialog, CShiftDialog::kLeaveOriginal);
                Check(dialog, CShiftDialog::kRepeat);
                SetField(dialog, CShiftDialog::kRepeatCount, "3");
                ClickOk(dialog);
            });
            ChangeCounter changes(tool.View());
            tool.Run(Command::Shift);
            tools::ShiftParameters p{{10, -20, 30}, true, true, 3};
            QCOMPARE(tool.View().Text(),
                     tools::ApplyRewrite(kStock, tools::Shift(kStock, body, p)));
            // The selection goes and the result comes in one replacement.
            QCOMPARE(changes.insertions, 1);
            QCOMPARE(changes.deletions, 1);
            QVERIFY(!tool.View().m_bTextChanged);
            QVERIFY(tool.View().isUndoAvailable());
            QVERIFY(tool.editor.Document().IsModified());
            QTRY_VERIFY(tool.preview->paints > 0);
        }
        {
            ToolEditor tool(kStock, body);
            WhenModalOpens<CReflectDialog>([](CReflectDialog* dialog) {
                SetField(dialog, CReflectDialog::kW, "5");
                Check(dialog, CReflectDialog::kReflectW);
                ClickOk(dialog);
            });
            tool.Run(Command::Reflect);
            tools::ReflectParameters p;
            p.centre = {5, 0, 0};
            p.reflectW = true;
            QCOMPARE(tool.View().Text(),
                     tools::ApplyRewrite(kStock, tools::Reflect(kStock, body, p)));
            QVERIFY(tool.View().Text().find("[Right]") != std::string_view::npos);
            QVERIFY(!tool.View().m_bTextChanged);
        }
        {
            ToolEditor tool(kStock, body);
            WhenModalOpens<CStretchDialog>([](CStretchDialog* dialog) {
                SetField(dialog, CStretchDialog::kL, "200");
                SetField(dialog, CStretchDialog::kOriginL, "100");
                Check(dialog, CStretchDialog::kStretchL);
                ClickOk(dialog);
            });
            tool.Run(Command::Stretch);
            tools::StretchParameters p;
            p.factorPercent = {100, 200, 100};
            p.origin = {0, 100, 0};
            p.stretchL = true;
            QCOMPARE(tool.View().Text(),
                     tools::ApplyRewrite(kStock, tools::Stretch(kStock, body, p)));
        }
        {
            ToolEditor tool(kStock, WholeOf(kStock));
            WhenModalOpens<CDividePanelDialog>([](CDividePanelDialog* dialog) {
                SetField(dialog, CDividePanelDialog::kW, "40");
                Check(dialog, CDividePanelDialog::kWidth);
                ClickOk(dialog);
            });
            tool.Run(Command::DividePanels);
            const tools::DivideParameters p{tools::DivideAxis::W, 40, 0, 0};
            QCOMPARE(tool.View().Text(),
                     tools::ApplyRewrite(kStock, tools::DividePanels(kStock, WholeOf(kStock), p)));
            QTRY_VERIFY(tool.preview->paints > 0);
        }
        {
            ToolEditor tool(kStock, body);
            WhenModalOpens<CMatrixTransformDialog>([](CMatrixTransformDialog* dialog) {
                SetField(dialog, CMatrixTransformDialog::kM12, "-1");
                SetField(dialog, CMatrixTransformDialog::kM21, "1");
                SetField(dialog, CMatrixTransformDialog::kM33, "0.5");
                SetField(dialog, CMatrixTransformDialog::kM34, "7");
                ClickOk(dialog);
            });
            tool.Run(Command::MatrixTransformation);
            tools::TransformMatrix m;
            m.m = {0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 0.5f, 7};
            QCOMPARE(tool.View().Text(),
                     tools::ApplyRewrite(kStock, tools::MatrixTransformation(kStock, body, m)));
        }
    }

    void cylindersInsertTheirLinesAtTheCaretWithoutRepaintingThePreview() {
        const std::size_t caret = kStock.find("wheel");
        ToolEditor tool(kStock, {caret, caret});
        WhenModalOpens<CCylinderDialog>([](CCylinderDialog* dialog) {
            SetField(dialog, CCylinderDialog::kEndBH, "100");
            SetField(dialog, CCylinderDialog::kEndARadius, "10");
            SetField(dialog, CCylinderDialog::kEndBRadius, "10");
            SetField(dialog, CCylinderDialog::kSteps, "4");
            SetField(dialog, CCylinderDialog::kEndARed, "255");
            Check(dialog, CCylinderDialog::kEndASolid);
            Check(dialog, CCylinderDialog::kMantle);
            Check(dialog, CCylinderDialog::kMantleDoubleSided);
            ClickOk(dialog);
        });
        ChangeCounter changes(tool.View());
        tool.Run(Command::Cylinders);
        // One insertion for all the lines.
        QCOMPARE(changes.insertions, 1);
        QCOMPARE(changes.deletions, 0);
        tools::CylinderParameters p;
        p.endA = {{0, 0, 0}, 10, true, {255, 0, 0, false, false}};
        p.endB = {{0, 0, 100}, 10, false, {}};
        p.mantle = true;
        p.steps = 4;
        p.mantleLook.doubleSided = true;
        tools::MemoryTextBuffer expected{std::string(kStock), {caret, caret}};
        tools::InsertCylinders(expected, p);
        QCOMPARE(tool.View().Text(), expected.Text());
        QCOMPARE(tool.View().CurrentSelection(), expected.CurrentSelection());
        QVERIFY(tool.View().Text().find("\tFill 0/0/0 0/0/0 0/-10/0 -9/0/0 255:0:0  \r\n") !=
                std::string_view::npos);
        QVERIFY(!tool.View().m_bTextChanged);
        QTest::qWait(50);
        QCOMPARE(tool.preview->paints, 0);
    }

    void toolsWithoutDialogsRewriteAsTheCoreToolsDo() {
        const tools::Selection body = FirstPanels();
        const struct {
            Command command;
            tools::RewriteResult (*tool)(std::string_view, tools::Selection);
            tools::Selection selection;
        } cases[] = {
            {Command::ImperialToMetric, &tools::ImperialToMetric, body},
            {Command::MetricToImperial, &tools::MetricToImperial, body},
            {Command::Rotate90Left, &tools::Rotate90Left, body},
            {Command::Rotate90Right, &tools::Rotate90Right, body},
            {Command::RotatePanelVerticesLeft, &tools::RotatePanelVerticesLeft, body},
            {Command::RotatePanelVerticesRight, &tools::RotatePanelVerticesRight, body},
            {Command::ReversePanel, &tools::ReversePanel, WholeOf(kStock)},
            {Command::CutOut, &tools::CutOut, {kStock.find("fill 0/0/0"), kStock.find("wheel")}},
            {Command::SetD3DOnly, &tools::SetD3DOnly, {0, 0}},
            {Command::AutoQ, &tools::AutoQ, {5, 5}},
        };
        for (const auto& c : cases) {
            ToolEditor tool(kStock, c.selection);
            tool.Run(c.command);
            const tools::RewriteResult result = c.tool(kStock, c.selection);
            QCOMPARE(tool.View().Text(), tools::ApplyRewrite(kStock, result));
            QVERIFY2(tool.View().Text() != kStock, CommandName(c.command));
            QCOMPARE(tool.View().CurrentSelection(), result.selectionAfter);
            QVERIFY(!tool.View().m_bTextChanged);
            QVERIFY(tool.View().isUndoAvailable());
            QTRY_VERIFY(tool.preview->paints > 0);
        }
    }

    void everyToolIsOneUndoStepThatPutsBackTheBytesAndTheSelection() {
        const tools::Selection body = FirstPanels();
        const std::size_t wheel = kStock.find("wheel");
        const struct {
            Command command;
            tools::Selection selection;
            std::function<void()> answerDialog;
        } cases[] = {
            {Command::Shift, body,
             [] {
                 WhenModalOpens<CShiftDialog>([](CShiftDialog* dialog) {
                     SetField(dialog, CShiftDialog::kW, "10");
                     Check(dialog, CShiftDialog::kLeaveOriginal);
                     ClickOk(dialog);
                 });
             }},
            {Command::Reflect, body,
             [] {
                 WhenModalOpens<CReflectDialog>([](CReflectDialog* dialog) {
                     Check(dialog, CReflectDialog::kReflectW);
                     ClickOk(dialog);
                 });
             }},
            {Command::Stretch, body,
             [] {
                 WhenModalOpens<CStretchDialog>([](CStretchDialog* dialog) {
                     SetField(dialog, CStretchDialog::kH, "300");
                     Check(dialog, CStretchDialog::kStretchH);
                     ClickOk(dialog);
                 });
             }},
            {Command::ImperialToMetric, body, nullptr},
            {Command::MetricToImperial, body, nullptr},
            {Command::ReversePanel, WholeOf(kStock), nullptr},
            {Command::Rotate90Left, body, nullptr},
            {Command::Rotate90Right, body, nullptr},
            {Command::RotatePanelVerticesLeft, body, nullptr},
            {Command::RotatePanelVerticesRight, body, nullptr},
            {Command::MatrixTransformation, body,
             [] {
                 WhenModalOpens<CMatrixTransformDialog>([](CMatrixTransformDialog* dialog) {
                     SetField(dialog, CMatrixTransformDialog::kM12, "-1");
                     SetField(dialog, CMatrixTransformDialog::kM21, "1");
                     SetField(dialog, CMatrixTransformDialog::kM33, "1");
                     ClickOk(dialog);
                 });
             }},
            {Command::Cylinders,
             {wheel, wheel},
             [] {
                 WhenModalOpens<CCylinderDialog>([](CCylinderDialog* dialog) {
                     SetField(dialog, CCylinderDialog::kEndBH, "100");
                     SetField(dialog, CCylinderDialog::kEndARadius, "10");
                     SetField(dialog, CCylinderDialog::kSteps, "4");
                     Check(dialog, CCylinderDialog::kMantle);
                     ClickOk(dialog);
                 });
             }},
            {Command::DividePanels, WholeOf(kStock),
             [] {
                 WhenModalOpens<CDividePanelDialog>([](CDividePanelDialog* dialog) {
                     SetField(dialog, CDividePanelDialog::kW, "40");
                     Check(dialog, CDividePanelDialog::kWidth);
                     ClickOk(dialog);
                 });
             }},
            {Command::CutOut, {kStock.find("fill 0/0/0"), wheel}, nullptr},
            {Command::SetD3DOnly, {0, 0}, nullptr},
            {Command::AutoQ, {5, 5}, nullptr},
            {Command::CountPanels,
             {5, 5},
             [] { WhenModalOpens<CPanelCountDialog>([](CPanelCountDialog* d) { ClickOk(d); }); }},
        };
        QCOMPARE(std::size(cases), 17u);
        for (const auto& c : cases) {
            const char* name = CommandName(c.command);
            ToolEditor tool(kStock);
            CLumtrakStockEditorView& view = tool.View();
            CMainFrame& frame = tool.editor.Frame();
            view.SetSelection({kStock.size(), kStock.size()});
            QTest::keyClicks(&view, QStringLiteral("typed"));
            const std::string typed(view.Text());
            view.SetSelection(c.selection);
            if (c.answerDialog) c.answerDialog();
            tool.Run(c.command);
            const std::string rewritten(view.Text());
            const tools::Selection left = view.CurrentSelection();
            view.m_bTextChanged = false;
            tool.preview->paints = 0;

            frame.ExecuteCommand(Command::EditUndo);
            if (c.command == Command::CountPanels) {
                // It changes no text and is no step: Undo takes back the typing.
                QCOMPARE(rewritten, typed);
                QCOMPARE(view.Text(), kStock);
                continue;
            }
            QVERIFY2(rewritten != typed, name);
            QVERIFY2(view.Text() == typed, name);
            QCOMPARE(view.CurrentSelection(), c.selection);
            QVERIFY(view.m_bTextChanged);
            QTRY_VERIFY(tool.preview->paints > 0);

            frame.UpdateCommandStates();
            QVERIFY(MenuAction(frame, "Edit", "editRedo")->isEnabled());
            frame.ExecuteCommand(Command::EditRedo);
            QVERIFY2(view.Text() == rewritten, name);
            QCOMPARE(view.CurrentSelection(), left);
            QVERIFY(tool.editor.Document().IsModified());

            // The typing before the tool is one step further back.
            frame.ExecuteCommand(Command::EditUndo);
            frame.ExecuteCommand(Command::EditUndo);
            QVERIFY2(view.Text() == kStock, name);
            QVERIFY(!tool.editor.Document().IsModified());
        }
    }

    void aLongRunShowsTheWaitCursorAndItsProgressOnTheStatusBar() {
        // A selection that a slow machine works on for half a second.
        std::string text;
        while (text.size() <= ToolProgress::kLongStepBytes)
            text += "fill 1/2/3 4/5/6 7/8/9 10/11/12 0:0:255\r\n";
        ToolEditor tool(text, WholeOf(text));
        CMainFrame& frame = tool.editor.Frame();
        auto* bar = frame.findChild<QProgressBar*>("progressBar");
        auto* pane = frame.findChild<QLabel*>("messagePane");
        QVERIFY(bar && pane && !bar->isVisible());
        QStringList shown;
        QObject::connect(bar, &QProgressBar::valueChanged, bar, [&](int step) {
            const QCursor* cursor = QApplication::overrideCursor();
            shown << QStringLiteral("%1 %2 %3")
                         .arg(step)
                         .arg(cursor && cursor->shape() == Qt::WaitCursor ? "wait" : "no wait")
                         .arg(pane->text());
        });
        tool.Run(Command::ImperialToMetric);
        QCOMPARE(shown, (QStringList{
                            "0 wait Imperial > Metric: working out the new text...",
                            "1 wait Imperial > Metric: putting the new text into the document...",
                        }));
        QVERIFY(tool.View().Text().starts_with("Fill 3/6/9 12/15/18 "));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!bar->isVisible());
        QCOMPARE(pane->text(), QStringLiteral("Ready"));

        // A short run shows nothing.
        shown.clear();
        tool.View().SetSelection({0, 40});
        tool.Run(Command::MetricToImperial);
        QVERIFY(tool.View().Text().starts_with("Fill 1/2/3 4/5/6 "));
        QCOMPARE(shown, QStringList());
    }

    void cancelLeavesTheTextAsItWas() {
        ToolEditor tool(kStock, WholeOf(kStock));
        WhenModalOpens<CShiftDialog>([](CShiftDialog* dialog) {
            SetField(dialog, CShiftDialog::kW, "10");
            dialog->reject();
        });
        tool.Run(Command::Shift);
        WhenModalOpens<CCylinderDialog>([](CCylinderDialog* dialog) {
            Check(dialog, CCylinderDialog::kMantle);
            SetField(dialog, CCylinderDialog::kSteps, "8");
            dialog->reject();
        });
        tool.Run(Command::Cylinders);
        QCOMPARE(tool.View().Text(), kStock);
        QVERIFY(!tool.editor.Document().IsModified());
    }

    void cutOutOfPanelsInNoCommonPlaneShowsItsMessage() {
        const std::string_view text =
            "fill 0/0/0 1/0/0 1/1/0 0/1/0\r\nfill 5/5/5 6/6/6 7/7/8 9/9/9\r\n";
        ToolEditor tool(text, WholeOf(text));
        MessageBoxAnswerer answerer;
        tool.Run(Command::CutOut);
        QCOMPARE(answerer.shown, QStringLiteral("Lumtrak Stock Editor: Can't identify co-plane"));
        QCOMPARE(tool.View().Text(), text);
        QVERIFY(!tool.editor.Document().IsModified());
    }

    void countPanelsShowsTheCountsOfTheWholeText() {
        const std::string_view text =
            "fill 1/1/1 \r\nFILL 2/2/2\r\nfill 3/3/3\r\nfill 4/4/4 [Front]\r\nfill 5/5/5 [D3D]\r\n"
            "rect 1/1/1 [Left]\r\n";
        ToolEditor tool(text, {4, 4});
        QStringList shown;
        WhenModalOpens<CPanelCountDialog>([&](CPanelCountDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Panel count"));
            for (int id = CPanelCountDialog::kQ1; id <= CPanelCountDialog::kTotal; ++id)
                shown << FieldText(dialog, id);
            ClickOk(dialog);
        });
        tool.Run(Command::CountPanels);
        QCOMPARE(shown, (QStringList{"4", "4", "3", "3", "5"}));
        QCOMPARE(tool.View().Text(), text);
        QCOMPARE(tool.View().CurrentSelection(), WholeOf(text));
        QVERIFY(!tool.editor.Document().IsModified());
        QTest::qWait(50);
        QCOMPARE(tool.preview->paints, 0);
    }

    void theMatrixAndCylinderDialogsKeepTheirValuesForTheRun() {
        ToolEditor tool(kStock, {kStock.find("fill"), kStock.find("\trect")});
        CMatrixTransformDialog* first = nullptr;
        WhenModalOpens<CMatrixTransformDialog>([&](CMatrixTransformDialog* dialog) {
            first = dialog;
            QCOMPARE(FieldText(dialog, CMatrixTransformDialog::kM11), QStringLiteral("0"));
            SetField(dialog, CMatrixTransformDialog::kM11, "0.7");
            SetField(dialog, CMatrixTransformDialog::kM22, "1.1");
            SetField(dialog, CMatrixTransformDialog::kM33, "1");
            ClickOk(dialog);
        });
        tool.Run(Command::MatrixTransformation);

        // Another document's view is offered the same values; what a cancelled
        // use typed is forgotten.
        tool.editor.app.OpenNewDocument(RegisteredTemplates()[0]);
        tool.View().LoadText("fill 10/10/10 0/0/0 0/0/0 0/0/0\r\n");
        tool.View().SetSelection({0, 30});
        for (int use = 0; use < 2; ++use) {
            WhenModalOpens<CMatrixTransformDialog>([&, use](CMatrixTransformDialog* dialog) {
                QCOMPARE(dialog, first);
                QCOMPARE(FieldText(dialog, CMatrixTransformDialog::kM11), QStringLiteral("0.7"));
                QCOMPARE(FieldText(dialog, CMatrixTransformDialog::kM22), QStringLiteral("1.1"));
                QCOMPARE(FieldText(dialog, CMatrixTransformDialog::kM12), QStringLiteral("0"));
                SetField(dialog, CMatrixTransformDialog::kM11, "9");
                if (use == 0)
                    dialog->reject();
                else
                    ClickOk(dialog);
            });
            tool.Run(Command::MatrixTransformation);
            if (use == 0) QVERIFY(tool.View().Text().starts_with("fill 10/10/10"));
        }
        QVERIFY2(tool.View().Text().starts_with("Fill 90/11/10 "), tool.View().Text().data());

        CCylinderDialog* cylinder = nullptr;
        WhenModalOpens<CCylinderDialog>([&](CCylinderDialog* dialog) {
            cylinder = dialog;
            SetField(dialog, CCylinderDialog::kSteps, "6");
            Check(dialog, CCylinderDialog::kEndBDoubleSided);
            ClickOk(dialog);
        });
        tool.Run(Command::Cylinders);
        WhenModalOpens<CCylinderDialog>([&](CCylinderDialog* dialog) {
            QCOMPARE(dialog, cylinder);
            QCOMPARE(FieldText(dialog, CCylinderDialog::kSteps), QStringLiteral("6"));
            QVERIFY(Checked(dialog, CCylinderDialog::kEndBDoubleSided));
            QVERIFY(!Checked(dialog, CCylinderDialog::kEndBSingleSided));
            dialog->reject();
        });
        tool.Run(Command::Cylinders);

        // A new run starts from zero again.
        ToolEditor other(kStock);
        WhenModalOpens<CCylinderDialog>([](CCylinderDialog* dialog) {
            QCOMPARE(FieldText(dialog, CCylinderDialog::kSteps), QStringLiteral("0"));
            QVERIFY(!Checked(dialog, CCylinderDialog::kEndBDoubleSided));
            dialog->reject();
        });
        other.Run(Command::Cylinders);
    }

    void theToolCommandsAreEnabledInTheirMenus() {
        ToolEditor tool(kStock);
        tool.editor.Frame().UpdateCommandStates();
        for (const QString& menu : {QStringLiteral("Translations"), QStringLiteral("Tools")}) {
            for (const QAction* action : MenuOf(tool.editor.Frame(), menu)->actions()) {
                QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
            }
        }
    }

    void theTranslatedDialogsSpeakGermanUnderAGermanLocale() {
        InstallTranslations(*QCoreApplication::instance(),
                            QLocale(QLocale::German, QLocale::Germany));
        CShiftDialog shift;
        CReflectDialog reflect;
        CStretchDialog stretch;
        CCylinderDialog cylinder;
        CMatrixTransformDialog matrix;
        CDividePanelDialog divide;
        SetField(&shift, CShiftDialog::kRepeatCount, "x");
        const QString refusal = RefusalOnOk(shift);
        // Later tests speak English again.
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }

        QCOMPARE(shift.windowTitle(), QStringLiteral("Auswahl verschieben"));
        QCOMPARE(reflect.windowTitle(), QStringLiteral("Auswahl spiegeln"));
        QCOMPARE(stretch.windowTitle(), QStringLiteral("Auswahl strecken"));
        QCOMPARE(cylinder.windowTitle(), QStringLiteral("Zylinder"));
        QVERIFY(Labels(&shift).contains("B"));  // the W axis
        QVERIFY(!Labels(&shift).contains("W"));
        QCOMPARE(Control<QPushButton>(&shift, kCancel)->text(), QStringLiteral("Abbrechen"));
        QVERIFY(Labels(&stretch).contains("B"));
        QVERIFY(Labels(&cylinder).contains("B"));
        QCOMPARE(matrix.windowTitle(), QStringLiteral("Matrixtransformation"));
        QCOMPARE(divide.windowTitle(), QStringLiteral("Fläche teilen"));
        QCOMPARE(Control<QPushButton>(&divide, kCancel)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(refusal, QStringLiteral("Lumtrak Stock Editor: Geben Sie eine ganze Zahl ein."));
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorToolsTest)
#include "editor_tools_test.moc"
