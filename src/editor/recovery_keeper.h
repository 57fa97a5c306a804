#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <map>
#include <memory>

#include "recovery/recovery_folder.h"

namespace lumtrak::recovery {
class CopyWriter;
}

namespace lumtrak::editor {

class CLumtrakStockEditorDoc;

// When the recovery copy of a modified document is written: once the typing
// has paused this long, and while it goes on, this long after the first change
// that no copy holds yet.
struct RecoveryDelays {
    int pauseMilliseconds = 5000;
    int longestMilliseconds = 30000;

    // The defaults, or the milliseconds of LUMTRAK_RECOVERY_PAUSE_MS and
    // LUMTRAK_RECOVERY_LONGEST_MS.
    static RecoveryDelays FromEnvironment();
};

// Keeps a recovery copy of every modified document, so that a crash or a kill
// loses at most the last seconds of typing. The text is copied on this thread
// and written on the copy writer's; a copy goes when its document is saved,
// undone back to its file, or closed.
class RecoveryKeeper : public QObject {
    Q_OBJECT

  public:
    RecoveryKeeper(std::unique_ptr<recovery::RecoveryFolder> folder, RecoveryDelays delays,
                   QObject* parent = nullptr);
    // The run ends as it should (each modified document was offered to be
    // saved): its copies go, and its lock.
    ~RecoveryKeeper() override;

    recovery::RecoveryFolder& Folder() { return *folder_; }

    // Keeps copies of the document from now on, until it closes.
    void Watch(CLumtrakStockEditorDoc& document);
    // The watched document, opened from a copy that a run left, takes that
    // copy as its own.
    void Adopt(CLumtrakStockEditorDoc& document, const recovery::LeftCopy& copy);
    // Copies the document's text now, if it is modified, and has the copy
    // written off this thread.
    void WriteCopy(CLumtrakStockEditorDoc& document);
    // Waits until every copy asked for is written.
    void Flush();

  signals:
    void copyNotWritten(const QString& documentTitle, const QString& reason);

  private:
    struct Kept {
        std::uint64_t number = 0;
        QTimer pause;
        QTimer longest;
        bool hasCopy = false;
    };

    Kept* Find(const CLumtrakStockEditorDoc* document);
    void OnTextChanged(CLumtrakStockEditorDoc& document);
    void RemoveCopy(Kept& kept);
    void Forget(const CLumtrakStockEditorDoc* document);
    void ReportFailure(std::uint64_t number, const std::error_code& error);

    std::unique_ptr<recovery::RecoveryFolder> folder_;
    std::unique_ptr<recovery::CopyWriter> writer_;
    RecoveryDelays delays_;
    std::map<const CLumtrakStockEditorDoc*, std::unique_ptr<Kept>> kept_;
    std::uint64_t lastNumber_ = 0;
};

}  // namespace lumtrak::editor
