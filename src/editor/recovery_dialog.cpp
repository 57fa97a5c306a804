#include "editor/recovery_dialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace lumtrak::editor {
namespace {

using recovery::CopyCondition;

QString FileShown(const recovery::LeftCopy& copy) {
    const recovery::CopyHeader& header = copy.reading.header;
    if (!header.path.empty()) return QFile::decodeName(QByteArray::fromStdString(header.path));
    if (!header.title.empty()) {
        return RecoveryDialog::tr("%1 (never saved)").arg(QString::fromStdString(header.title));
    }
    return QString::fromStdString(copy.fileName);
}

QString ConditionShown(CopyCondition condition) {
    switch (condition) {
        case CopyCondition::Whole:
            return RecoveryDialog::tr("intact");
        case CopyCondition::ChecksumMismatch:
            return RecoveryDialog::tr("damaged: its checksum does not match");
        case CopyCondition::Incomplete:
            return RecoveryDialog::tr("damaged: incomplete");
        case CopyCondition::UnknownVersion:
            return RecoveryDialog::tr("written by a later version");
        case CopyCondition::NotACopy:
            break;
    }
    return RecoveryDialog::tr("not a recovery copy");
}

}  // namespace

RecoveryDialog::RecoveryDialog(const std::vector<recovery::LeftCopy>& copies, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("recoveryDialog"));
    setWindowTitle(tr("Recover Documents"));
    auto* intro = new QLabel(tr("Lumtrak Stock Editor ended without saving these documents. "
                                "Recovery copies of them were kept:"),
                             this);
    intro->setWordWrap(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("copies"));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHeaderLabels({tr("File"), tr("Time"), tr("Size"), tr("Condition")});
    const QLocale locale;
    for (const recovery::LeftCopy& copy : copies) {
        const recovery::CopyReading& reading = copy.reading;
        const bool whole = reading.condition == CopyCondition::Whole;
        const QString time =
            reading.header.writtenAt > 0
                ? locale.toString(QDateTime::fromSecsSinceEpoch(reading.header.writtenAt),
                                  QLocale::ShortFormat)
                : QString();
        const QString size =
            whole ? tr("%1 bytes").arg(locale.toString(qulonglong(reading.text.size())))
                  : QString();
        auto* item = new QTreeWidgetItem(
            list_, {FileShown(copy), time, size, ConditionShown(reading.condition)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    // Wide enough for every column, up to what a screen holds.
    constexpr int kWidest = 1000;
    list_->setMinimumWidth(
        std::min(list_->header()->length() + 2 * list_->frameWidth() + 8, kWidest));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_);
    const bool anyDamaged = std::any_of(copies.begin(), copies.end(), [](const auto& copy) {
        return copy.reading.condition != CopyCondition::Whole;
    });
    if (anyDamaged) {
        auto* damaged = new QLabel(tr("A copy that is not intact cannot be recovered: Recover "
                                      "leaves it in place, Discard deletes it."),
                                   this);
        damaged->setObjectName(QStringLiteral("damagedNote"));
        damaged->setWordWrap(true);
        layout->addWidget(damaged);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recover = buttons->addButton(tr("&Recover"), QDialogButtonBox::AcceptRole);
    recover->setObjectName(QStringLiteral("recover"));
    recover->setDefault(true);
    QPushButton* discard = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("discard"));
    QPushButton* later = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("later"));
    connect(recover, &QPushButton::clicked, this, [this] { Choose(Choice::Recover); });
    connect(discard, &QPushButton::clicked, this, [this] { Choose(Choice::Discard); });
    connect(later, &QPushButton::clicked, this, [this] { Choose(Choice::Later); });
    layout->addWidget(buttons);
    resize(sizeHint());
}

void RecoveryDialog::Choose(Choice choice) {
    chosen_ = choice;
    if (choice == Choice::Later) {
        reject();
    } else {
        accept();
    }
}

}  // namespace lumtrak::editor
