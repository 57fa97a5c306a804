#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::platform {

// Where a core command that runs for a while shows what it is doing: the
// editor's status bar and wait cursor, the command line's --verbose output, and
// records in tests.
class StatusSink {
  public:
    virtual ~StatusSink() = default;
    // A progress or completion text, replacing the one shown before.
    virtual void ShowStatus(std::string_view text) = 0;
    // The wait cursor while the command runs, the text cursor again after it.
    virtual void SetBusy(bool busy) = 0;
};

class NullStatusSink : public StatusSink {
  public:
    void ShowStatus(std::string_view) override {}
    void SetBusy(bool) override {}
};

class RecordingStatusSink : public StatusSink {
  public:
    void ShowStatus(std::string_view text) override { texts.emplace_back(text); }
    void SetBusy(bool busy) override { busyChanges.push_back(busy); }
    std::vector<std::string> texts;
    std::vector<bool> busyChanges;
};

// Shows the wait cursor for as long as it lives.
class BusyScope {
  public:
    explicit BusyScope(StatusSink& status) : status_(status) { status_.SetBusy(true); }
    ~BusyScope() { status_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    StatusSink& status_;
};

}  // namespace lumtrak::platform
