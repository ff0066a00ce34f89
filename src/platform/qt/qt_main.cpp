// The Linux desktop program: one window that creates numbered folders.
#include <QApplication>
#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "app/product.h"
#include "platform/qt/qt_program.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, which would want a display.
    if (const auto answer = quire::qt::AnswerWithoutWindow({argv + 1, argv + argc})) {
        std::fputs(answer->c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication application(argc, argv);
    // The classic style draws group boxes with their captions in the top border.
    QApplication::setStyle(QStringLiteral("Windows"));
    QCoreApplication::setOrganizationName(QString::fromUtf8(quire::product::kCompany.data()));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(quire::product::kVersion.data()));
    QGuiApplication::setDesktopFileName(QStringLiteral("quirebatch"));

    // What Qt leaves of the command line once it has taken its own options.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    quire::qt::Program program(quire::qt::DesktopSetup());
    program.Start(quire::qt::FolderArguments(arguments));
    return QApplication::exec();
}
