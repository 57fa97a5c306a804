#include "editor/preview2d_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/message_box_sink.h"
#include "editor/preview_file_watch.h"
#include "editor/program_texts.h"
#include "editor/window_places.h"
#include "model/load_record.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "preview2d/drawing.h"
#include "preview2d/drawing_state.h"
#include "qtshell/dialog_units.h"
#include "qtshell/preview_bitmap.h"
#include "qtshell/windows1252.h"
#include "stockindex/stock_index.h"

namespace lumtrak::editor {

using preview2d::ViewDirection;

namespace {

QString Characters(std::string_view bytes) {
    return qtshell::DecodeWindows1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QString IdName(int id) {
    return QString::number(id);
}

}  // namespace

// The loader's message boxes during the preview's drawings. A drawing runs
// inside a repaint, and repaints come ten times a second while the timer runs:
// a box opened there would be followed by another at each repaint. So the boxes
// open after the repaint, one at a time, and a drawing that gives the same
// messages as the drawing before it opens none.
class PreviewMessages : public platform::MessageSink {
  public:
    explicit PreviewMessages(QWidget& owner) : owner_(&owner) {}

    void Show(std::string_view caption, std::string_view text) override {
        drawing_.push_back({std::string(caption), std::string(text)});
    }

    void BeginDrawing() { drawing_.clear(); }

    void EndDrawing() {
        if (drawing_ == previous_) return;
        previous_ = drawing_;
        if (boxOpen_ || drawing_.empty()) return;
        QTimer::singleShot(0, owner_, [this, messages = drawing_] {
            if (boxOpen_) return;
            boxOpen_ = true;
            const QPointer<QWidget> owner = owner_;
            for (const auto& message : messages) {
                MessageBoxSink(owner).Show(message.caption, message.text);
                if (!owner) return;  // the window went while the box was open
            }
            boxOpen_ = false;
        });
    }

  private:
    QPointer<QWidget> owner_;
    std::vector<platform::Message> drawing_;
    std::vector<platform::Message> previous_;
    bool boxOpen_ = false;
};

// The drawing frame: a group box that has the preview drawn into it at every
// repaint.
class CPreview2DDlg::DrawingFrame : public QGroupBox {
  public:
    explicit DrawingFrame(CPreview2DDlg& dialog) : QGroupBox(&dialog), dialog_(dialog) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        QGroupBox::paintEvent(event);
        QPainter painter(this);
        dialog_.DrawFrame(painter, size());
    }

  private:
    CPreview2DDlg& dialog_;
};

CPreview2DDlg::CPreview2DDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      messages_(std::make_unique<PreviewMessages>(*this)) {
    setObjectName(QStringLiteral("preview2DDlg130"));
    setModal(false);
    timer_.setObjectName(IdName(kTimerId));
    timer_.setInterval(kTimerPeriodMs);
    connect(&timer_, &QTimer::timeout, this, &CPreview2DDlg::Invalidate);
    fileWatch_ = new PreviewFileWatch(this);
    // A changed file changes only the drawing: the frame alone is drawn again.
    connect(fileWatch_, &PreviewFileWatch::filesChanged, this, [this] {
        if (frame_) frame_->update();
    });
    // The window looks the same active or not: a change of activation would
    // otherwise repaint it, and with it parse the whole definition again.
    QPalette steady = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        steady.setBrush(QPalette::Inactive, colourRole, steady.brush(QPalette::Active, colourRole));
    }
    setPalette(steady);
    CreateControls();
    PlacePreview2D(*this, parent);
}

CPreview2DDlg::~CPreview2DDlg() {
    // A window that goes with its view or the editor is not closed first.
    if (isVisible()) RememberPreview2D(*this);
    ShowNotes({});
}

void CPreview2DDlg::SetView(CLumtrakStockEditorView* view) {
    view_ = view;
}

CLumtrakStockEditorView* CPreview2DDlg::View() const {
    return view_;
}

void CPreview2DDlg::CreateControls() {
    const QFontMetrics metrics(font());
    auto place = [&](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(qtshell::RectFromDialogUnits(metrics, x, y, width, height));
    };
    resize(qtshell::FromDialogUnits(metrics, 178, 129));

    frame_ = new DrawingFrame(*this);
    frame_->setObjectName(IdName(kFrame));
    place(frame_, 7, 7, 164, 100);

    buttons_ = new QButtonGroup(this);
    buttons_->setExclusive(true);
    // Left, Front, Right, Back and Rotate by their initials; the two "R"s are
    // told apart for the translations.
    const struct {
        ControlId id;
        QString text;
        int x;
    } kButtons[] = {
        {kLeft, tr("L", "left"), 7},      {kFront, tr("F", "front"), 24},
        {kRight, tr("R", "right"), 41},   {kBack, tr("B", "back"), 58},
        {kRotate, tr("R", "rotate"), 88},
    };
    for (const auto& button : kButtons) {
        auto* pushButton = new QPushButton(button.text, this);
        pushButton->setObjectName(IdName(button.id));
        pushButton->setCheckable(true);
        pushButton->setAutoDefault(false);
        pushButton->setFocusPolicy(Qt::TabFocus);
        place(pushButton, button.x, 109, 16, 13);
        buttons_->addButton(pushButton, button.id);
    }
    rotateButton_ = buttons_->button(kRotate);

    white_ = new QCheckBox(tr("White"), this);
    white_->setObjectName(IdName(kWhite));
    place(white_, 136, 112, 35, 10);
    // The box and its text take more room in this style than in dialog units.
    white_->resize(std::max(white_->width(), white_->sizeHint().width()), white_->height());

    // A button acts when it becomes checked, however that comes about (the
    // mouse, the keyboard, an assistive tool's toggle), and when it is clicked
    // again while checked; Rotate also when it is released.
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked || id == kRotate) OnButton(id);
    });
    connect(buttons_, &QButtonGroup::idClicked, this, &CPreview2DDlg::OnButton);
}

void CPreview2DDlg::OnButton(int id) {
    switch (id) {
        case kLeft:
            return ChooseDirection(ViewDirection::Left);
        case kFront:
            return ChooseDirection(ViewDirection::Front);
        case kRight:
            return ChooseDirection(ViewDirection::Right);
        case kBack:
            return ChooseDirection(ViewDirection::Back);
        case kRotate:
            return OnRotateButton();
        default:
            return;
    }
}

void CPreview2DDlg::ChooseDirection(ViewDirection direction) {
    // A fixed view never turns.
    SetRotate(false);
    direction_ = direction;
    Invalidate();
}

void CPreview2DDlg::OnRotateButton() {
    if (rotateButton_) SetRotate(rotateButton_->isChecked());
}

void CPreview2DDlg::SwitchTimer(bool wasOn, bool on) {
    if (wasOn && !on) timer_.stop();
    if (on && !wasOn) timer_.start();
}

void CPreview2DDlg::SetRotate(bool on) {
    SwitchTimer(rotate_, on);
    rotate_ = on;
}

void CPreview2DDlg::SetAnimate(bool on) {
    SwitchTimer(animate_, on);
    animate_ = on;
}

void CPreview2DDlg::SetHighlight(bool on) {
    highlight_ = on;
    Invalidate();
}

void CPreview2DDlg::SetShowAxis(bool on) {
    showAxis_ = on;
    Invalidate();
}

void CPreview2DDlg::Invalidate() {
    update();
    if (frame_) frame_->update();
}

void CPreview2DDlg::DrawFrame(QPainter& painter, QSize frameSize) {
    preview2d::DrawingState& state = preview2d::DrawingState::Process();
    state.drawingRect = preview2d::DrawingRectForFrame(frameSize.width(), frameSize.height());
    std::optional<std::string> name;
    std::vector<std::string> notes;
    model::LoadRecord record(model::LoadRecord::Keeps::Files);
    messages_->BeginDrawing();
    const QImage bitmap = qtshell::PaintPreviewBitmap(
        frameSize.width(), frameSize.height(), white_->isChecked(), [&](preview2d::Canvas& canvas) {
            if (!view_) return;
            const std::string_view text = view_->Text();
            const tools::Selection selection = view_->CurrentSelection();
            preview2d::PreviewOptions options;
            options.direction = direction_;
            options.rotate = rotate_;
            options.highlight = highlight_;
            options.animate = animate_;
            options.showAxis = showAxis_;
            model::LoadEnvironment environment{*messages_, model::TextureRegistry::Process(),
                                               stockindex::ProcessIncludeCache()};
            environment.record = &record;
            name =
                preview2d::DrawDefinitionPreview(state, environment, text, selection.start, canvas,
                                                 options, {selection.start, selection.end});
            notes = std::move(environment.notes);
        });
    messages_->EndDrawing();
    if (view_) fileWatch_->Watch(record.Files());
    emit drawn();
    if (bitmap.isNull()) return;
    painter.drawImage(QPoint(2, 8), bitmap);
    lastBitmap_ = bitmap;
    if (!name) return;
    setWindowTitle(Characters(*name));
    QString noteText;
    for (const std::string& note : notes) {
        if (!noteText.isEmpty()) noteText += QLatin1Char(' ');
        noteText += ProgramText(note);
    }
    ShowNotes(noteText);
}

void CPreview2DDlg::ShowNotes(const QString& notes) {
    if (notes == shownNotes_) return;
    CMainFrame* frame = view_ ? qobject_cast<CMainFrame*>(view_->window()) : nullptr;
    if (!frame) return;
    if (!notes.isEmpty()) {
        frame->SetMessageText(notes);
    } else if (frame->MessageText() == shownNotes_) {
        // The note goes with the drawing that gave it, unless something else
        // has taken the pane since.
        frame->SetIdleMessage();
    }
    shownNotes_ = notes;
}

void CPreview2DDlg::LayOut(QSize client) {
    const int cx = client.width();
    const int cy = client.height();
    if (frame_) frame_->resize(cx - 20, cy - 50);
    const struct {
        ControlId id;
        int x;
    } kButtons[] = {{kLeft, 10}, {kFront, 35}, {kRight, 60}, {kBack, 85}, {kRotate, 120}};
    for (const auto& button : kButtons) {
        if (QAbstractButton* control = buttons_ ? buttons_->button(button.id) : nullptr)
            control->move(button.x, cy - 30);
    }
    if (white_) white_->move(150, cy - 30);
}

void CPreview2DDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (layOutOnResize_) LayOut(event->size());
}

void CPreview2DDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    layOutOnResize_ = true;
}

void CPreview2DDlg::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) RememberPreview2D(*this);
}

void CPreview2DDlg::closeEvent(QCloseEvent* event) {
    timer_.stop();
    QDialog::closeEvent(event);
    if (view_) view_->ClosePreview2D();
}

void CPreview2DDlg::accept() {
    QDialog::accept();
    if (view_) view_->ClosePreview2D();
}

void CPreview2DDlg::keyPressEvent(QKeyEvent* event) {
    // Enter confirms the window even without a default button; Escape is the
    // dialog's own cancel, which hides it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace lumtrak::editor
