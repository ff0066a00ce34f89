// The Linux program as installed, reporting the moment its window is first painted: nanoseconds
// since the launch time given in QUIRE_LAUNCH_NS (CLOCK_REALTIME), then its peak memory; it then
// quits.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/product.h"
#include "peak_memory.h"
#include "platform/qt/qt_program.h"

namespace {

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(long long launchNs) : launchNs_(launchNs) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || seen_) return false;
        seen_ = true;
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
        std::printf("first paint %.1f ms\n", static_cast<double>(now - launchNs_) / 1e6);
        QTimer::singleShot(200, [] { QCoreApplication::exit(0); });
        return false;
    }

private:
    long long launchNs_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(quire::product::kVersion.data()));
    FirstPaint probe(qEnvironmentVariable("QUIRE_LAUNCH_NS").toLongLong());
    quire::qt::Program program(quire::qt::DesktopSetup());
    program.Window().installEventFilter(&probe);
    program.Start();
    const int status = QApplication::exec();
    std::printf("peak memory %.1f MiB\n", static_cast<double>(PeakKiB()) / 1024.0);
    return status;
}
