#pragma once

#include <QSettings>
#include <QString>

#include "platform/settings_store.h"

namespace lumtrak::qtshell {

// Settings kept with QSettings for one organisation and application, as the
// per-user INI file $XDG_CONFIG_HOME/ORGANISATION/APPLICATION.conf. Texts are
// stored as UTF-8; every write reaches the file at once.
class QtSettingsStore : public platform::SettingsStore {
  public:
    QtSettingsStore(const QString& organisation, const QString& application);

    std::optional<std::string> Read(const std::string& group, const std::string& key) override;
    void Write(const std::string& group, const std::string& key, const std::string& value) override;

  private:
    QSettings settings_;
};

}  // namespace lumtrak::qtshell
