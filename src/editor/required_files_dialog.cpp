#include "editor/required_files_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CRequiredFilesDialog::CRequiredFilesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("requiredFilesDialog147"));
    setWindowTitle(tr("Required Files"));
    const QFontMetrics metrics(font());
    auto place = [&](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(qtshell::RectFromDialogUnits(metrics, x, y, width, height));
    };
    setFixedSize(qtshell::FromDialogUnits(metrics, 186, 95));

    list_ = new QPlainTextEdit(this);
    list_->setObjectName(QString::number(kList));
    // Long lines scroll sideways rather than wrap.
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setTabChangesFocus(false);
    place(list_, 7, 7, 172, 65);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QString::number(kOk));
    ok->setDefault(true);
    place(ok, 129, 74, 50, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CRequiredFilesDialog::SetText(const QString& text) {
    // The list ends its lines with CR LF; the text field knows them as LF.
    QString lines = text;
    list_->setPlainText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString CRequiredFilesDialog::Text() const {
    return list_->toPlainText();
}

}  // namespace lumtrak::editor
