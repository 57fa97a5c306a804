#include "editor/program_folder_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/program_folder.h"
#include "stockindex/program_folder_choice.h"

namespace lumtrak::editor {

ProgramFolderDialog::ProgramFolderDialog(const QString& initial, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("programFolderDialog"));
    setWindowTitle(tr("Simulator Folder"));
    auto* explanation = new QLabel(
        tr("Lumtrak Stock Editor finds \"Stock Index\", the stock folders and \"Textures\" in "
           "the folder of the Lumtrak simulator. Where is the simulator installed?"),
        this);
    explanation->setWordWrap(true);
    folder_ = new QLineEdit(initial, this);
    folder_->setObjectName(QStringLiteral("folder"));
    folder_->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    auto* label = new QLabel(tr("&Folder:"), this);
    label->setBuddy(folder_);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &ProgramFolderDialog::Browse);
    connect(folder_, &QLineEdit::textChanged, this, &ProgramFolderDialog::UpdateOk);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(folder_, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateOk();
}

QString ProgramFolderDialog::Folder() const {
    QString text = folder_->text().trimmed();
    if (text == QStringLiteral("~") || text.startsWith(QStringLiteral("~/")))
        text.replace(0, 1, QDir::homePath());
    return text.isEmpty() ? text : QDir::cleanPath(QFileInfo(text).absoluteFilePath());
}

void ProgramFolderDialog::Browse() {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, windowTitle(), Folder(), QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty()) folder_->setText(chosen);
}

void ProgramFolderDialog::UpdateOk() {
    const QString folder = Folder();
    ok_->setEnabled(!folder.isEmpty() && QFileInfo(folder).isDir());
}

void SettleProgramFolder(platform::SettingsStore& editorSettings,
                         platform::SettingsStore& installSettings, QWidget* parent) {
    if (platform::ProgramFolderNamed()) return;
    const stockindex::ProgramFolderChoice choice = stockindex::ChooseProgramFolder(
        platform::ExecutableFolder(), editorSettings, installSettings);
    if (!choice.ask) {
        platform::SetProgramFolderOverride(choice.folder);
        return;
    }
    ProgramFolderDialog dialog(QFile::decodeName(QByteArray::fromStdString(choice.folder)), parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string folder = QFile::encodeName(dialog.Folder()).toStdString();
    stockindex::RememberProgramFolder(editorSettings, folder);
    platform::SetProgramFolderOverride(folder);
}

}  // namespace lumtrak::editor
