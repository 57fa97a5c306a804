#include "qtshell/qt_settings_store.h"

namespace lumtrak::qtshell {
namespace {

QString KeyPath(const std::string& group, const std::string& key) {
    return QString::fromStdString(group) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& organisation, const QString& application)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, organisation, application) {}

std::optional<std::string> QtSettingsStore::Read(const std::string& group, const std::string& key) {
    const QVariant value = settings_.value(KeyPath(group, key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::Write(const std::string& group, const std::string& key,
                            const std::string& value) {
    settings_.setValue(KeyPath(group, key), QString::fromStdString(value));
    settings_.sync();
}

}  // namespace lumtrak::qtshell
