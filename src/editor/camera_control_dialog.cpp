#include "editor/camera_control_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSlider>

#include "editor/d3d_preview.h"

namespace lumtrak::editor {

CameraControlDialog::CameraControlDialog(D3DPreview& preview)
    : QDialog(&preview), preview_(preview) {
    setWindowTitle(tr("Camera control"));
    setModal(false);
    // The preview destroys the dialog; closing it hides it until then.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);

    auto* position = new QGroupBox(tr("Position"), this);
    auto* positionLayout = new QGridLayout(position);
    positionLayout->addWidget(AddSlider(kPositionX, Qt::Horizontal), 0, 0);
    positionLayout->addWidget(AddSlider(kPositionZ, Qt::Horizontal), 1, 0);
    positionLayout->addWidget(AddSlider(kPositionV, Qt::Vertical), 0, 1, 2, 1);

    auto* direction = new QGroupBox(tr("Direction"), this);
    auto* directionLayout = new QGridLayout(direction);
    directionLayout->addWidget(AddSlider(kDirectionA, Qt::Horizontal), 0, 0);
    directionLayout->addWidget(AddSlider(kDirectionE, Qt::Vertical), 0, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(position);
    layout->addWidget(direction);
}

QSlider* CameraControlDialog::AddSlider(ControlId id, Qt::Orientation orientation) {
    auto* slider = new QSlider(orientation, this);
    slider->setObjectName(QString::number(id));
    slider->setRange(0, preview3d::kCameraSliderMaximum);
    if (orientation == Qt::Vertical) {
        // 0 at the top, as the dialog's trackbars have it.
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
        slider->setMinimumHeight(120);
    } else {
        slider->setMinimumWidth(160);
    }
    connect(slider, &QSlider::valueChanged, this, &CameraControlDialog::OnSliderMoved);
    return slider;
}

QSlider* CameraControlDialog::Slider(ControlId id) const {
    return findChild<QSlider*>(QString::number(id));
}

void CameraControlDialog::UpdateData(bool save) {
    struct Field {
        ControlId id;
        int preview3d::CameraSliders::*value;
    };
    constexpr Field kFields[] = {{kPositionX, &preview3d::CameraSliders::x},
                                 {kPositionZ, &preview3d::CameraSliders::z},
                                 {kPositionV, &preview3d::CameraSliders::v},
                                 {kDirectionA, &preview3d::CameraSliders::a},
                                 {kDirectionE, &preview3d::CameraSliders::e}};
    for (const Field& field : kFields) {
        QSlider* slider = Slider(field.id);
        if (save) {
            values_.*field.value = slider->value();
        } else {
            slider->setValue(values_.*field.value);
        }
    }
}

void CameraControlDialog::ReadFromCamera() {
    values_ = preview_.CameraSliders();
    // Showing the camera's place moves no camera.
    showing_ = true;
    UpdateData(false);
    showing_ = false;
}

void CameraControlDialog::OnSliderMoved() {
    if (showing_) return;
    UpdateData(true);
    preview_.SetCamera(values_);
}

}  // namespace lumtrak::editor
