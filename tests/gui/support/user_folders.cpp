#include "support/user_folders.h"

#include <QDir>
#include <QFile>

namespace lumtrak::testing {

IsolatedUserFolders::IsolatedUserFolders() {
    const std::pair<const char*, const char*> folders[] = {{"XDG_DATA_HOME", "data"},
                                                           {"XDG_CONFIG_HOME", "config"},
                                                           {"XDG_CACHE_HOME", "cache"},
                                                           {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& [variable, name] : folders) {
        const QString folder = root_.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, QFile::encodeName(folder));
    }
}

}  // namespace lumtrak::testing
