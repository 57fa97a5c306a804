#include "editor/find_replace_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/text_search.h"
#include "qtshell/windows1252.h"

namespace lumtrak::editor {
namespace {

SearchOptions OptionsOf(const QLineEdit& findWhat, const QCheckBox& matchCase,
                        const QCheckBox& wholeWord, const QRadioButton& up, bool replacing) {
    return {qtshell::EncodeWindows1252(findWhat.text()), matchCase.isChecked(),
            wholeWord.isChecked(), replacing || !up.isChecked()};
}

}  // namespace

FindReplaceDialog::FindReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("findReplaceDialog"));
    setModal(false);

    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findWhat_ = new QLineEdit(this);
    findWhat_->setObjectName(QStringLiteral("findWhat"));
    findLabel->setBuddy(findWhat_);
    replaceLabel_ = new QLabel(tr("Re&place with:"), this);
    replaceWith_ = new QLineEdit(this);
    replaceWith_->setObjectName(QStringLiteral("replaceWith"));
    replaceLabel_->setBuddy(replaceWith_);
    wholeWord_ = new QCheckBox(tr("Match &whole word only"), this);
    wholeWord_->setObjectName(QStringLiteral("wholeWord"));
    matchCase_ = new QCheckBox(tr("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("matchCase"));

    auto* direction = new QGroupBox(tr("Direction"), this);
    direction_ = direction;
    up_ = new QRadioButton(tr("&Up"), direction);
    up_->setObjectName(QStringLiteral("up"));
    auto* down = new QRadioButton(tr("&Down"), direction);
    down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down);

    findNext_ = new QPushButton(tr("&Find Next"), this);
    findNext_->setObjectName(QStringLiteral("findNext"));
    findNext_->setDefault(true);
    replace_ = new QPushButton(tr("&Replace"), this);
    replace_->setObjectName(QStringLiteral("replace"));
    replaceAll_ = new QPushButton(tr("Replace &All"), this);
    replaceAll_->setObjectName(QStringLiteral("replaceAll"));
    auto* cancel = new QPushButton(tr("Cancel"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findWhat_, 0, 1);
    fields->addWidget(replaceLabel_, 1, 0);
    fields->addWidget(replaceWith_, 1, 1);
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(wholeWord_);
    checks->addWidget(matchCase_);
    options->addLayout(checks);
    options->addWidget(direction);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {findNext_, replace_, replaceAll_, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(findNext_, &QPushButton::clicked, this, &FindReplaceDialog::OnFindNext);
    connect(replace_, &QPushButton::clicked, this, &FindReplaceDialog::OnReplace);
    connect(replaceAll_, &QPushButton::clicked, this, &FindReplaceDialog::OnReplaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(findWhat_, &QLineEdit::textChanged, this, &FindReplaceDialog::UpdateButtons);
}

void FindReplaceDialog::Open(CLumtrakStockEditorView& view, bool replace) {
    view_ = &view;
    replacing_ = replace;
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    for (QWidget* widget :
         {static_cast<QWidget*>(replaceLabel_), static_cast<QWidget*>(replaceWith_),
          static_cast<QWidget*>(replace_), static_cast<QWidget*>(replaceAll_)}) {
        widget->setVisible(replace);
    }
    direction_->setVisible(!replace);
    const tools::Selection selection = view.CurrentSelection();
    const std::string_view selected =
        view.Text().substr(selection.start, selection.end - selection.start);
    if (!selected.empty() && selected.find_first_of("\r\n") == std::string_view::npos) {
        findWhat_->setText(qtshell::DecodeWindows1252(
            QByteArrayView(selected.data(), qsizetype(selected.size()))));
    }
    UpdateButtons();
    adjustSize();
    show();
    raise();
    activateWindow();
    findWhat_->setFocus();
    findWhat_->selectAll();
}

void FindReplaceDialog::UpdateButtons() {
    const bool hasText = !findWhat_->text().isEmpty();
    for (QPushButton* button : {findNext_, replace_, replaceAll_})
        button->setEnabled(hasText);
}

void FindReplaceDialog::OnFindNext() {
    if (!view_) {
        close();
        return;
    }
    if (!FindNext(*view_, OptionsOf(*findWhat_, *matchCase_, *wholeWord_, *up_, replacing_))) {
        NotFound();
    }
}

void FindReplaceDialog::OnReplace() {
    if (!view_) {
        close();
        return;
    }
    bool found = false;
    view_->EditAsOneStep([&] {
        found =
            ReplaceAndFindNext(*view_, OptionsOf(*findWhat_, *matchCase_, *wholeWord_, *up_, true),
                               qtshell::EncodeWindows1252(replaceWith_->text()));
    });
    if (!found) NotFound();
}

void FindReplaceDialog::OnReplaceAll() {
    if (!view_) {
        close();
        return;
    }
    int replaced = 0;
    view_->EditAsOneStep([&] {
        replaced = ReplaceAll(*view_, OptionsOf(*findWhat_, *matchCase_, *wholeWord_, *up_, true),
                              qtshell::EncodeWindows1252(replaceWith_->text()));
    });
    if (replaced == 0) NotFound();
}

void FindReplaceDialog::NotFound() {
    QApplication::beep();
    if (auto* frame = qobject_cast<CMainFrame*>(parentWidget())) {
        frame->SetMessageText(tr("Cannot find the string '%1'.").arg(findWhat_->text()));
    }
}

}  // namespace lumtrak::editor
