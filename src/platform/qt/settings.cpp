#include "platform/qt/settings.h"

#include <QStandardPaths>

#include "app/product.h"

namespace quire::qt {

// Found without opening the file: it is read only through the settings store's careful reads.
QString DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') +
           QString::fromUtf8(product::kSettingsApplication.data(),
                             static_cast<qsizetype>(product::kSettingsApplication.size())) +
           QStringLiteral(".conf");
}

}  // namespace quire::qt
