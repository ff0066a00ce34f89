#include "platform/qt/settings.h"

#include <QFileInfo>
#include <QSettings>

#include "app/product.h"
#include "engine/failure.h"

namespace quire::qt {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyPath(std::string_view key) {
    return FromUtf8(product::kSettingsSection) + QLatin1Char('/') + FromUtf8(key);
}

}  // namespace

QString DefaultSettingsFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     FromUtf8(product::kSettingsApplication))
        .fileName();
}

// Each write opens the file afresh: QSettings keeps the first error it meets, and a fresh object
// tells whether this very write succeeded.
//
// A read fails only when the file is there and cannot be read. Qt's status does not tell that: it
// reports a damaged file (garbage, cut short) only to the first reader in the process, and it
// reports a write that was refused earlier, which Qt retries on every new object, to every reader.
// A damaged file still gives every value Qt can parse in it, the rest count as absent, and the
// next write replaces it with a clean file.
std::string QtSettingsStore::ReadSetting(std::string_view key, std::string_view fallback) {
    const QFileInfo file(file_);
    if (file.exists() && !(file.isFile() && file.isReadable())) {
        throw Failure("The settings file " + file_.toStdString() + " cannot be read");
    }
    const QSettings settings(file_, QSettings::NativeFormat);
    const QVariant value = settings.value(KeyPath(key));
    if (!value.isValid()) return std::string(fallback);
    // A hand-edited line with unquoted commas reads as a list; it was one text when written.
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    return value.toString().toStdString();
}

void QtSettingsStore::WriteSetting(std::string_view key, std::string_view value) {
    QSettings settings(file_, QSettings::NativeFormat);
    settings.setValue(KeyPath(key), FromUtf8(value));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw Failure("The settings file " + file_.toStdString() + " cannot be written");
    }
}

}  // namespace quire::qt
