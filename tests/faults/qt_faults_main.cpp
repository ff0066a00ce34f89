// Runs the Qt fault tests off screen, each process with its own configuration folder. Started with
// --edit-instance, the executable is instead one of two programs that edit a shared settings file.
#include <QApplication>
#include <cstring>
#include <optional>

#include "qt_faults_support.h"
#include "qt_test_support.h"

int main(int argc, char** argv) {
    const bool editInstance =
        argc > 1 && std::strcmp(argv[1], quire::qt::test::kEditInstanceOption) == 0;
    return quire::qt::test::RunOffscreenTests(argc, argv, [editInstance]() -> std::optional<int> {
        if (!editInstance) return std::nullopt;
        return quire::qt::test::RunEditInstance(QApplication::arguments().mid(2));
    });
}
