#pragma once

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "preview2d/projection.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace lumtrak::editor {

class CLumtrakStockEditorView;
class PreviewFileWatch;
class PreviewMessages;

// The 2D preview window of a text view: a small modeless window that draws the
// definition under the view's caret in its drawing frame, from the text, at
// every repaint. Four buttons choose a fixed view direction, a fifth turns the
// view; "White" chooses the background. One 100 ms timer repaints while the
// view turns or its lines swing. A Qt dialog under the window's established name.
class CPreview2DDlg : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names.
    enum ControlId {
        kFrame = 1000,
        kLeft = 1010,
        kFront = 1011,
        kRight = 1012,
        kBack = 1013,
        kRotate = 1014,
        kWhite = 1004,
    };
    static constexpr int kTimerId = 101;
    static constexpr int kTimerPeriodMs = 100;

    explicit CPreview2DDlg(QWidget* parent = nullptr);
    ~CPreview2DDlg() override;

    void SetView(CLumtrakStockEditorView* view);
    CLumtrakStockEditorView* View() const;

    // Rotate and Animate share the timer: switching either one on from off
    // starts it, switching either one off from on stops it, even while the
    // other stays on.
    void SetRotate(bool on);
    void SetAnimate(bool on);
    // Store the flag and repaint.
    void SetHighlight(bool on);
    void SetShowAxis(bool on);

    preview2d::ViewDirection Direction() const { return direction_; }
    bool Rotating() const { return rotate_; }
    bool Highlighting() const { return highlight_; }
    bool Animating() const { return animate_; }
    bool ShowingAxis() const { return showAxis_; }
    bool TimerRunning() const { return timer_.isActive(); }

    // Repaints the drawing frame (the window is invalidated without erasing).
    void Invalidate();

    // The bitmap that the last repaint copied into the frame; null when no
    // repaint drew one yet.
    const QImage& LastBitmap() const { return lastBitmap_; }
    // The files that the last drawing read besides the text; the window draws
    // anew when one of them changes on disk.
    const PreviewFileWatch& FileWatch() const { return *fileWatch_; }

  signals:
    // The drawing frame was drawn anew.
    void drawn();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void accept() override;

  private:
    class DrawingFrame;

    void CreateControls();
    void OnButton(int id);
    void ChooseDirection(preview2d::ViewDirection direction);
    void OnRotateButton();
    void SwitchTimer(bool wasOn, bool on);
    void LayOut(QSize client);
    // Draws the definition into the frame of the given size at (2, 8).
    void DrawFrame(QPainter& painter, QSize frameSize);
    void ShowNotes(const QString& notes);

    // The window may outlive its view for a moment once closed.
    QPointer<CLumtrakStockEditorView> view_;
    preview2d::ViewDirection direction_ = preview2d::ViewDirection::Front;
    bool rotate_ = false;
    bool highlight_ = false;
    bool animate_ = false;
    bool showAxis_ = false;

    QTimer timer_;
    QGroupBox* frame_ = nullptr;
    QButtonGroup* buttons_ = nullptr;
    QAbstractButton* rotateButton_ = nullptr;
    QCheckBox* white_ = nullptr;
    // Resizing lays the controls out anew once the window is up; until then
    // they stand where the window's design puts them.
    bool layOutOnResize_ = false;
    QImage lastBitmap_;
    // The loader's note that this window put on the status bar, if any.
    QString shownNotes_;
    std::unique_ptr<PreviewMessages> messages_;
    PreviewFileWatch* fileWatch_ = nullptr;
};

}  // namespace lumtrak::editor
