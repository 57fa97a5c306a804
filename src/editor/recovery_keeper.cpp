#include "editor/recovery_keeper.h"

#include <QDateTime>
#include <QFile>

#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "recovery/copy_writer.h"

namespace lumtrak::editor {
namespace {

int MillisecondsFromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

}  // namespace

RecoveryDelays RecoveryDelays::FromEnvironment() {
    RecoveryDelays delays;
    delays.pauseMilliseconds =
        MillisecondsFromEnvironment("LUMTRAK_RECOVERY_PAUSE_MS", delays.pauseMilliseconds);
    delays.longestMilliseconds =
        MillisecondsFromEnvironment("LUMTRAK_RECOVERY_LONGEST_MS", delays.longestMilliseconds);
    return delays;
}

RecoveryKeeper::RecoveryKeeper(std::unique_ptr<recovery::RecoveryFolder> folder,
                               RecoveryDelays delays, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), delays_(delays) {
    writer_ = std::make_unique<recovery::CopyWriter>(*folder_, [this](std::uint64_t number,
                                                                      std::error_code error) {
        if (!error) return;
        QMetaObject::invokeMethod(
            this, [this, number, error] { ReportFailure(number, error); }, Qt::QueuedConnection);
    });
}

RecoveryKeeper::~RecoveryKeeper() {
    for (const auto& [document, kept] : kept_) {
        if (kept->hasCopy) writer_->Remove(kept->number);
    }
    writer_.reset();
    folder_.reset();
}

void RecoveryKeeper::Watch(CLumtrakStockEditorDoc& document) {
    auto kept = std::make_unique<Kept>();
    kept->number = ++lastNumber_;
    for (QTimer* timer : {&kept->pause, &kept->longest}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, &document] { WriteCopy(document); });
    }
    kept_[&document] = std::move(kept);
    connect(&document, &CLumtrakStockEditorDoc::textChanged, this,
            [this, &document] { OnTextChanged(document); });
    // Saved, or undone back to what the file holds: the copy is not needed.
    connect(&document, &CLumtrakStockEditorDoc::captionChanged, this, [this, &document] {
        if (Kept* kept = Find(&document); kept && !document.IsModified()) RemoveCopy(*kept);
    });
    connect(&document, &CLumtrakStockEditorDoc::lastViewClosed, this,
            [this](CLumtrakStockEditorDoc* closed) { Forget(closed); });
    connect(&document, &QObject::destroyed, this, [this, watched = &document] { Forget(watched); });
}

void RecoveryKeeper::Adopt(CLumtrakStockEditorDoc& document, const recovery::LeftCopy& copy) {
    Kept* kept = Find(&document);
    if (!kept) return;
    if (!folder_->Adopt(copy, kept->number)) {
        kept->hasCopy = true;
    } else {
        // The left copy stays where it is, to be offered again; this run
        // writes one of its own.
        WriteCopy(document);
    }
}

void RecoveryKeeper::WriteCopy(CLumtrakStockEditorDoc& document) {
    Kept* kept = Find(&document);
    if (!kept) return;
    kept->pause.stop();
    kept->longest.stop();
    if (!document.IsModified() || document.Views().isEmpty()) return;
    recovery::CopyHeader header;
    header.path = QFile::encodeName(document.GetPathName()).toStdString();
    header.title = document.GetTitle().toStdString();
    header.kind = document.GetDocTemplate().resource;
    header.writtenAt = QDateTime::currentSecsSinceEpoch();
    // The one piece of the work done here: a copy of the text, which the
    // typing may change as soon as this returns.
    writer_->Write(kept->number, std::move(header), std::string(document.Views().front()->Text()));
    kept->hasCopy = true;
}

void RecoveryKeeper::Flush() {
    writer_->Flush();
}

RecoveryKeeper::Kept* RecoveryKeeper::Find(const CLumtrakStockEditorDoc* document) {
    const auto found = kept_.find(document);
    return found == kept_.end() ? nullptr : found->second.get();
}

void RecoveryKeeper::OnTextChanged(CLumtrakStockEditorDoc& document) {
    Kept* kept = Find(&document);
    if (!kept) return;
    kept->pause.start(delays_.pauseMilliseconds);
    if (!kept->longest.isActive()) kept->longest.start(delays_.longestMilliseconds);
}

void RecoveryKeeper::RemoveCopy(Kept& kept) {
    kept.pause.stop();
    kept.longest.stop();
    if (!kept.hasCopy) return;
    writer_->Remove(kept.number);
    kept.hasCopy = false;
}

void RecoveryKeeper::Forget(const CLumtrakStockEditorDoc* document) {
    const auto found = kept_.find(document);
    if (found == kept_.end()) return;
    RemoveCopy(*found->second);
    kept_.erase(found);
}

void RecoveryKeeper::ReportFailure(std::uint64_t number, const std::error_code& error) {
    for (const auto& [document, kept] : kept_) {
        if (kept->number != number) continue;
        emit copyNotWritten(document->GetTitle(), QString::fromStdString(error.message()));
        return;
    }
}

}  // namespace lumtrak::editor
