#include "editor/dialogs/dialog_controls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string_view>

#include "editor/lumtrak_stock_editor_app.h"
#include "tools/dialog_fields.h"

namespace lumtrak::editor {
namespace {

QString IdName(int id) {
    return QString::number(id);
}

// The field's text as the dialog reads it: one byte per character.
QByteArray FieldBytes(const QLineEdit* edit) {
    return edit->text().toLatin1();
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

QString Message(const char* text) {
    return QCoreApplication::translate("FieldReader", text);
}

}  // namespace

QLineEdit* MakeEdit(QWidget* dialog, int id) {
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(IdName(id));
    return edit;
}

QCheckBox* MakeCheckBox(QWidget* dialog, int id, const QString& text) {
    auto* box = new QCheckBox(text, dialog);
    box->setObjectName(IdName(id));
    return box;
}

QRadioButton* MakeRadioButton(QWidget* dialog, int id, const QString& text) {
    auto* button = new QRadioButton(text, dialog);
    button->setObjectName(IdName(id));
    return button;
}

QPushButton* MakeButton(QDialog* dialog, int id, const QString& text) {
    auto* button = new QPushButton(text, dialog);
    button->setObjectName(IdName(id));
    if (id == kOk) {
        button->setDefault(true);
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    } else if (id == kCancel) {
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    return button;
}

QLayout* OkCancelColumn(QDialog* dialog, const QString& ok, const QString& cancel) {
    auto* column = new QVBoxLayout;
    column->addWidget(MakeButton(dialog, kOk, ok));
    column->addWidget(MakeButton(dialog, kCancel, cancel));
    column->addStretch(1);
    return column;
}

void ShowInteger(QLineEdit* edit, std::int64_t value) {
    edit->setText(QString::fromStdString(tools::IntegerFieldText(value)));
}

void ShowFloat(QLineEdit* edit, float value) {
    edit->setText(QString::fromStdString(tools::FloatFieldText(value)));
}

std::int32_t FieldReader::Text(QLineEdit* edit) {
    if (failed_) return 0;
    return tools::TextFieldValue(View(FieldBytes(edit)));
}

std::int32_t FieldReader::Integer(QLineEdit* edit) {
    if (failed_) return 0;
    const auto value = tools::IntegerFieldValue(View(FieldBytes(edit)));
    if (!value) Refuse(edit, Message(QT_TRANSLATE_NOOP("FieldReader", "Please enter an integer.")));
    return value.value_or(0);
}

std::int32_t FieldReader::Integer(QLineEdit* edit, std::int32_t low, std::int32_t high) {
    const std::int32_t value = Integer(edit);
    if (!failed_ && (value < low || value > high)) {
        Refuse(edit, Message(QT_TRANSLATE_NOOP("FieldReader",
                                               "Please enter an integer between %1 and %2."))
                         .arg(low)
                         .arg(high));
    }
    return value;
}

float FieldReader::Float(QLineEdit* edit) {
    if (failed_) return 0;
    const auto value = tools::FloatFieldValue(View(FieldBytes(edit)));
    if (!value) Refuse(edit, Message(QT_TRANSLATE_NOOP("FieldReader", "Please enter a number.")));
    return value.value_or(0.0f);
}

void FieldReader::Refuse(QLineEdit* edit, const QString& message) {
    failed_ = true;
    QMessageBox::warning(&dialog_, CLumtrakStockEditorApp::Title(), message);
    edit->setFocus();
    edit->selectAll();
}

}  // namespace lumtrak::editor
