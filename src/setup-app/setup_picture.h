#pragma once

#include <QWidget>

namespace lumtrak::setupapp {

// The picture on the left of the setup dialog: a train on its track under an
// evening sky, drawn to whatever size the widget has.
class SetupPicture : public QWidget {
  public:
    explicit SetupPicture(QWidget* parent = nullptr) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lumtrak::setupapp
