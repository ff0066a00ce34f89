#include "qt_faults_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include "app/product.h"
#include "qt_test_support.h"

namespace quire::qt::test {

int RunEditInstance(const QStringList& arguments) {
    if (arguments.size() != 6) return 2;
    const QString& settingsFile = arguments[0];
    const QString& name = arguments[1];
    const QStringList keys = arguments[2].split(QLatin1Char(','));
    const int edits = arguments[3].toInt();
    const QString& readyFile = arguments[4];
    const QString& goFile = arguments[5];

    ProgramFixture fixture;
    ProgramSetup setup = fixture.Setup();
    setup.settingsFile = settingsFile;
    Program program(std::move(setup));
    program.Start();

    QFile(readyFile).open(QIODevice::WriteOnly);
    if (!WaitFor([&] { return QFile::exists(goFile); }, 20000)) return 4;

    const std::map<QString, ControlId> boxes{{QStringLiteral("Text1"), ControlId::Text1},
                                             {QStringLiteral("Text2"), ControlId::Text2},
                                             {QStringLiteral("Text3"), ControlId::Text3}};
    for (int i = 0; i < edits; ++i) {
        for (const QString& key : keys) {
            program.Window()
                .TextBox(boxes.at(key))
                ->setText(name + QLatin1Char('-') + QString::number(i));
        }
    }
    return fixture.dialogs.shown.empty() ? 0 : 3;
}

StoredSettings ReadStored(const QString& file) {
    QSettings settings(file, QSettings::NativeFormat);
    StoredSettings stored;
    stored.status = settings.status();
    settings.beginGroup(
        QString::fromUtf8(product::kSettingsSection.data(),
                          static_cast<qsizetype>(product::kSettingsSection.size())));
    for (const QString& key : settings.childKeys()) {
        stored.values[key.toStdString()] = settings.value(key).toString().toStdString();
    }
    return stored;
}

bool IsCleanIniFile(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = in.readAll();
    if (bytes.contains('\0') || QString::fromUtf8(bytes).toUtf8() != bytes) return false;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty()) continue;
        if (line.startsWith('[') && line.endsWith(']')) continue;
        if (line.contains('=')) continue;  // Qt writes a key it could not name as ""
        return false;
    }
    return true;
}

RealBoxAnswerer::RealBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        boxes_.push_back({box->windowTitle(), box->text(), box->icon()});
        QAbstractButton* button = box->button(QMessageBox::No);
        if (!button) button = box->button(QMessageBox::Ok);
        if (button) {
            button->click();
        } else {
            box->reject();
        }
    });
    timer_.start(2);
}

}  // namespace quire::qt::test
