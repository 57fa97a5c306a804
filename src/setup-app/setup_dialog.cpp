#include "setup-app/setup_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "qtshell/dialog_units.h"
#include "setup-app/setup_picture.h"
#include "setup/completion_message.h"
#include "setup/default_folders.h"
#include "setup/folder_paths.h"
#include "setup/installation.h"
#include "setup/package_layout.h"

namespace lumtrak::setupapp {
namespace {

// More lines than this go to the message box's details only.
constexpr std::size_t kShownProblems = 15;

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text,
                    const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    if (!details.isEmpty()) box.setDetailedText(details);
    box.exec();
}

QCheckBox* CheckBox(const QString& text, const QString& name, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

SetupDialog::SetupDialog(platform::SettingsStore& settings, SetupPlaces places, QWidget* parent)
    : QDialog(parent), settings_(settings), places_(std::move(places)), present_(&ShowMessageBox) {
    setWindowTitle(QStringLiteral("Setup"));
    const QFontMetrics metrics(font());

    auto* picture = new SetupPicture(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setFixedSize(qtshell::FromDialogUnits(metrics, 304, 141));

    installFolder_ = new QLineEdit(FromStd(setup::InitialInstallFolder(settings_)), this);
    installFolder_->setObjectName(QStringLiteral("installFolder"));
    auto* installLabel = new QLabel(QStringLiteral("Install to:"), this);
    installLabel->setBuddy(installFolder_);
    auto* browse = Button(QStringLiteral("Browse"), QStringLiteral("browse"), this);
    startMenuItems_ = CheckBox(QStringLiteral("Create Start Menu items"),
                               QStringLiteral("startMenuItems"), false, this);
    sampleLayouts_ =
        CheckBox(QStringLiteral("Sample layouts"), QStringLiteral("sampleLayouts"), true, this);
    // Always installed; the box stays hidden.
    screensaver_ = CheckBox(QStringLiteral("Install Screensaver"),
                            QStringLiteral("installScreensaver"), true, this);
    screensaver_->hide();
    auto* ok = Button(QStringLiteral("OK"), QStringLiteral("ok"), this);
    ok->setDefault(true);
    auto* cancel = Button(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);

    auto* browseRow = new QHBoxLayout;
    browseRow->addStretch();
    browseRow->addWidget(browse);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(ok);
    buttonRow->addWidget(cancel);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, metrics.height() / 2, 0, 0);
    column->addWidget(installLabel);
    column->addWidget(installFolder_);
    column->addLayout(browseRow);
    column->addWidget(startMenuItems_);
    column->addWidget(sampleLayouts_);
    column->addWidget(screensaver_);
    column->addStretch();
    column->addLayout(buttonRow);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, metrics.averageCharWidth(), metrics.height() / 2);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // There is no window menu to extend, so the About entry is the dialog's
    // context menu.
    auto* about = new QAction(QStringLiteral("&About Setup..."), this);
    about->setObjectName(QStringLiteral("aboutSetup"));
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(browse, &QPushButton::clicked, this, &SetupDialog::Browse);
    connect(ok, &QPushButton::clicked, this, &SetupDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SetupDialog::reject);
    connect(about, &QAction::triggered, this, &SetupDialog::ShowAbout);
}

void SetupDialog::accept() {
    const setup::InstallFolders folders{places_.package, installFolder_->text().toStdString(),
                                        places_.startMenu, places_.system};
    const setup::InstallOptions options{startMenuItems_->isChecked(), sampleLayouts_->isChecked(),
                                        screensaver_->isChecked()};
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto report = setup::Install(folders, options, settings_);
    QGuiApplication::restoreOverrideCursor();

    QString details;
    if (report.ProblemCount() > kShownProblems) {
        details = FromStd(setup::ProblemDetails(report));
        details.chop(1);  // the last line's end
    }
    present_(this, FromStd(setup::kSetupCaption),
             FromStd(setup::CompletionText(report, kShownProblems)), details);
    QDialog::accept();
}

void SetupDialog::Browse() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("exe"));
    const QString typed = installFolder_->text();
    if (QFileInfo(typed).isDir()) dialog.setDirectory(typed);
    dialog.selectFile(FromStd(setup::kProgramExecutable));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::string chosen = dialog.selectedFiles().front().toStdString();
    installFolder_->setText(FromStd(setup::FolderOfChosenFile(chosen)));
}

void SetupDialog::ShowAbout() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About Setup"),
                    QStringLiteral("Setup Version 1.0"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.exec();
}

}  // namespace lumtrak::setupapp
