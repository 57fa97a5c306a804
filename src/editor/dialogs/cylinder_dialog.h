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
