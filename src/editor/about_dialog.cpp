#include "editor/about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editor/editor_icons.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog100"));
    setWindowTitle(tr("About Lumtrak Stock Editor"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    auto* version = new QLabel(tr("Lumtrak Stock Editor Version 5.05"), this);
    version->setObjectName(QStringLiteral("version"));
    auto* copyright = new QLabel(tr("Copyright (C) Halbern"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(copyright, 1, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 217, 55));
}

}  // namespace lumtrak::editor
