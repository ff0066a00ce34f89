// Runs the Qt fault tests off screen, each process with its own configuration folder. Started with
// --edit-instance, the executable is instead one of two programs that edit a shared settings file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstring>

#include "qt_faults_support.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    if (argc > 1 && std::strcmp(argv[1], quire::qt::test::kEditInstanceOption) == 0) {
        return quire::qt::test::RunEditInstance(QApplication::arguments().mid(2));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
