#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "support/temp_folder.h"

namespace lumtrak::testing {

// A FIFO without a writer in a test's folder, and how to release a reader that
// waits on it.
struct Fifo {
    Fifo(const TempFolder& folder, const std::string& name)
        : path((folder.Path() / name).string()) {
        if (::mkfifo(path.c_str(), 0600) != 0) ADD_FAILURE() << "mkfifo " << path;
    }
    void ReleaseReaders() const {
        const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    std::string path;
};

}  // namespace lumtrak::testing
