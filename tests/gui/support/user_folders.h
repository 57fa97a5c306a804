#pragma once

#include <QTemporaryDir>

namespace lumtrak::testing {

// Points the desktop's per-user folders (XDG_DATA_HOME, XDG_CONFIG_HOME,
// XDG_CACHE_HOME, XDG_RUNTIME_DIR) at fresh folders of the test run's own, so
// that nothing a test or a program it starts does reaches the user's real
// ones. The folders go with the object.
class IsolatedUserFolders {
  public:
    IsolatedUserFolders();

  private:
    QTemporaryDir root_;
};

}  // namespace lumtrak::testing
