#pragma once

#include <QDialog>
#include <vector>

#include "tools/cylinders.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace lumtrak::editor {

// "Cylinder" (dialog 135): the centres and radii of the two ends, which of
// the two end fans and the mantle to make, the steps around, and a colour and
// side marker per surface. One dialog serves the whole run: it starts with
// every field 0 or off, and each use offers the values of the last use that
// ended with OK.
class CCylinderDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names. Each end
    // has a centre W, L, H, a radius, "Solid", a colour r, g, b and the
    // markers "$" and "="; the mantle has "Cylinder", the steps, a colour
    // and the markers.
    enum ControlId {
        kEndAW = 1017,
        kEndAL = 1016,
        kEndAH = 1015,
        kEndARadius = 1014,
        kEndASolid = 1013,
        kEndARed = 1022,
        kEndAGreen = 1023,
        kEndABlue = 1024,
        kEndASingleSided = 1028,
        kEndADoubleSided = 1029,
        kEndBW = 1004,
        kEndBL = 1005,
        kEndBH = 1006,
        kEndBRadius = 1018,
        kEndBSolid = 1010,
        kEndBRed = 1007,
        kEndBGreen = 1025,
        kEndBBlue = 1026,
        kEndBSingleSided = 1032,
        kEndBDoubleSided = 1033,
        kMantle = 1011,
        kSteps = 1012,
        kMantleRed = 1019,
        kMantleGreen = 1020,
        kMantleBlue = 1021,
        kMantleSingleSided = 1034,
        kMantleDoubleSided = 1035,
    };

    explicit CCylinderDialog(QWidget* parent = nullptr);

    const tools::CylinderParameters& Parameters() const { return parameters_; }

  public slots:
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // A field of the dialog and where its value lives.
    struct IntegerBinding {
        int id;
        QLineEdit* edit;
        std::int32_t* value;  // in `read_`
        bool colour;          // 0 to 255 only
    };
    struct CheckBinding {
        QCheckBox* box;
        bool* value;  // in `read_`
    };

    // The control ids of an end's group: W, L, H, radius, "Solid", r, g, b, "$", "=".
    struct EndIds {
        int w, l, h, radius, solid, red, green, blue, singleSided, doubleSided;
    };
    QWidget* MakeEndGroup(const QString& title, tools::CylinderEnd& end, const EndIds& ids);
    QWidget* MakeMantleGroup();
    void AddLook(QGridLayout* grid, int row, tools::CylinderSurfaceLook& look, int red, int green,
                 int blue, int singleSided, int doubleSided);
    QLineEdit* BindInteger(int id, std::int32_t& value, bool colour = false);
    QCheckBox* BindCheck(int id, const QString& text, bool& value);

    tools::CylinderParameters parameters_;
    // The fields are bound to this copy, which takes parameters_ only when every
    // field reads well.
    tools::CylinderParameters read_;
    std::vector<IntegerBinding> integers_;
    std::vector<CheckBinding> checks_;
};

}  // namespace lumtrak::editor
