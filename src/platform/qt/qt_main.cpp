// The Linux desktop program: one window that creates numbered folders.
#include <QApplication>
#include <QString>

#include "app/product.h"
#include "platform/qt/qt_program.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The classic style draws group boxes with their captions in the top border.
    QApplication::setStyle(QStringLiteral("Windows"));
    QCoreApplication::setOrganizationName(QString::fromUtf8(quire::product::kCompany.data()));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(quire::product::kVersion.data()));
    QGuiApplication::setDesktopFileName(QStringLiteral("quirebatch"));

    quire::qt::Program program(quire::qt::DesktopSetup());
    program.Start();
    return QApplication::exec();
}
