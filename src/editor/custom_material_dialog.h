#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "preview3d/custom_material.h"

class QLineEdit;

namespace lumtrak::editor {

class D3DPreview;

// "Custom Material": a modeless dialog of the 3D preview that sets the
// emissive and specular colours and the specular power of the custom
// material, which every "*custom" face of the scene uses.
class CustomMaterialDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names.
    enum ControlId {
        kAmbientRed = 1001,
        kAmbientGreen = 1002,
        kAmbientBlue = 1003,
        kEmissiveRed = 1008,
        kEmissiveGreen = 1009,
        kEmissiveBlue = 1031,
        kSpecularRed = 1004,
        kSpecularGreen = 1005,
        kSpecularBlue = 1032,
        kPower = 1007,
    };
    // The edit controls in the order they are exchanged.
    static constexpr std::array<ControlId, preview3d::kCustomMaterialFields> kFieldIds = {
        kAmbientRed,   kAmbientGreen, kAmbientBlue,   kEmissiveRed,  kEmissiveGreen,
        kEmissiveBlue, kSpecularRed,  kSpecularGreen, kSpecularBlue, kPower};

    explicit CustomMaterialDialog(D3DPreview& preview);

    // "Update": takes the typed values (a refused one is reported and stops
    // the exchange there), then gives the material the values as they stand
    // and repaints the preview.
    void OnUpdate();
    // Between the values and the fields: save reads the fields, reporting the
    // first that is refused; false then.
    bool UpdateData(bool save);

    const preview3d::CustomMaterialValues& Values() const { return values_; }
    QLineEdit* Field(int id) const;

    // Reports a refused field; by default as a message box.
    using Report = std::function<void(const QString& text)>;
    void SetReport(Report report) { report_ = std::move(report); }

  private:
    D3DPreview& preview_;
    preview3d::CustomMaterialValues values_{};
    Report report_;
};

}  // namespace lumtrak::editor
