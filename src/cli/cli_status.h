#pragma once

#include "platform/status_sink.h"

namespace lumtrak::cli {

// The command line's status bar: with --verbose each status text is one line on
// standard output; otherwise nothing is shown.
class CliStatusSink : public platform::StatusSink {
  public:
    explicit CliStatusSink(bool verbose) : verbose_(verbose) {}
    void ShowStatus(std::string_view text) override;
    void SetBusy(bool) override {}

  private:
    bool verbose_;
};

}  // namespace lumtrak::cli
