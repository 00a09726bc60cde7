#include "WindowSettings.h"

#include <QSettings>

namespace kavro {

WindowSettings::WindowSettings() = default;

WindowSettings::WindowSettings(const QString& path)
    : file_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

WindowSettings::~WindowSettings() {
    sync();
}

std::unique_ptr<WindowSettings> WindowSettings::forUser() {
    const QSettings user(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kavro"),
                         QStringLiteral("kavro"));
    return std::make_unique<WindowSettings>(user.fileName());
}

QVariant WindowSettings::value(const QString& key) const {
    return file_ ? file_->value(key) : memory_.value(key);
}

void WindowSettings::store(const QString& key, const QVariant& value) {
    if (file_) {
        file_->setValue(key, value);
    } else {
        memory_.insert(key, value);
    }
}

QByteArray WindowSettings::bytes(const QString& key) const {
    return value(key).toByteArray();
}

void WindowSettings::setBytes(const QString& key, const QByteArray& value) {
    store(key, value);
}

QString WindowSettings::text(const QString& key) const {
    return value(key).toString();
}

void WindowSettings::setText(const QString& key, const QString& value) {
    store(key, value);
}

QStringList WindowSettings::list(const QString& key) const {
    return value(key).toStringList();
}

void WindowSettings::setList(const QString& key, const QStringList& value) {
    store(key, value);
}

void WindowSettings::sync() {
    if (file_) {
        file_->sync();
    }
}

}  // namespace kavro
