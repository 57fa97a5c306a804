#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "platform/settings_store.h"

class QCheckBox;
class QLineEdit;

namespace lumtrak::setupapp {

// The folders of an installation that the dialog does not ask for.
struct SetupPlaces {
    std::string package;
    std::string startMenu;
    std::string system;
};

// The setup dialog: the install folder, the options, and OK to install.
class SetupDialog : public QDialog {
    Q_OBJECT

  public:
    // Shows the message that ends the installation; details, when not empty,
    // hold every line of what was not done.
    using CompletionPresenter = std::function<void(QWidget* parent, const QString& caption,
                                                   const QString& text, const QString& details)>;

    SetupDialog(platform::SettingsStore& settings, SetupPlaces places, QWidget* parent = nullptr);

    // Tests replace the message box.
    void SetCompletionPresenter(CompletionPresenter presenter) { present_ = std::move(presenter); }

  public slots:
    // OK: runs the installation, shows the completion message and closes.
    void accept() override;

  private:
    void Browse();
    void ShowAbout();

    platform::SettingsStore& settings_;
    SetupPlaces places_;
    CompletionPresenter present_;
    QLineEdit* installFolder_ = nullptr;
    QCheckBox* startMenuItems_ = nullptr;
    QCheckBox* sampleLayouts_ = nullptr;
    QCheckBox* screensaver_ = nullptr;
};

}  // namespace lumtrak::setupapp
