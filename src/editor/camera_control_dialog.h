#pragma once

#include <QDialog>

#include "preview3d/camera_sliders.h"

class QSlider;

namespace lumtrak::editor {

class D3DPreview;

// "Camera control": a modeless dialog of the 3D preview whose five sliders
// place the preview's camera (position across, along and in height; yaw and
// pitch). Moving any slider places the camera at once; the preview has the
// sliders read back from the camera after each scroll-bar change.
class CameraControlDialog : public QDialog {
    Q_OBJECT

  public:
    // The slider controls, which are also their object names.
    enum ControlId {
        kPositionX = 1037,
        kPositionZ = 1039,
        kPositionV = 1038,
        kDirectionA = 1033,
        kDirectionE = 1035,
    };

    explicit CameraControlDialog(D3DPreview& preview);

    // Shows where the preview's camera stands and looks.
    void ReadFromCamera();
    // Between the slider values and the sliders: save takes the sliders' values.
    void UpdateData(bool save);

    const preview3d::CameraSliders& Values() const { return values_; }
    QSlider* Slider(ControlId id) const;

  private:
    QSlider* AddSlider(ControlId id, Qt::Orientation orientation);
    void OnSliderMoved();

    D3DPreview& preview_;
    preview3d::CameraSliders values_;
    bool showing_ = false;
};

}  // namespace lumtrak::editor
