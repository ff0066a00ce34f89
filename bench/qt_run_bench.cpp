// A run of many folders in the real window, against the same loop without the pump.
// Run on an X server (Xvfb): qt_run_bench <count> <empty folder on tmpfs>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "engine/creation_run.h"
#include "peak_memory.h"
#include "platform/qt/qt_program.h"

namespace {

using namespace quire;

class NoDialogs final : public Dialogs {
public:
    BoxAnswer ShowMessage(const std::string&, const std::string&, BoxStyle) override {
        return BoxAnswer::No;
    }
};

// The window's run less the pump: the inputs are read from the same boxes for every folder.
class UnpumpedHost final : public RunHost {
public:
    explicit UnpumpedHost(qt::QtForm1View& view) : view_(view) {}
    bool BeforeFolder() override { return true; }
    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = view_.Text(ControlId::Text1);
        target = view_.Text(ControlId::Text3);
        return true;
    }
    void InputsFailed(const std::exception&) override {}
    void FolderCreated(const std::string&) override {}
    void FolderSkipped(const std::string&) override {}
    void FolderFailed(const std::string&, const Failure&) override {}
    void CounterOverflow() override {}

private:
    qt::QtForm1View& view_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: qt_run_bench <count> <empty folder>\n");
        return 2;
    }
    const int count = std::stoi(argv[1]);
    const std::string base = argv[2];

    NoDialogs dialogs;
    qt::ProgramSetup setup = qt::DesktopSetup();
    setup.uniform = [] { return 0.5; };
    setup.shellHooks = {[](const QUrl&) { return true; },
                        [](const QString&, const QStringList&) { return true; },
                        {}};
    setup.dialogs = &dialogs;
    setup.settingsFile = QString::fromStdString(base + "/Quillmark.conf");
    qt::Program program(std::move(setup));
    program.Start();
    if (!QTest::qWaitForWindowExposed(&program.Window())) return 1;
    program.View().SetText(ControlId::Text1, "Folder ######");
    program.View().SetText(ControlId::Text2, std::to_string(count));

    // Alternating rounds, each into a fresh folder; the best of each kind counts, as the machine's
    // other work only ever adds time.
    PosixFileSystem files;
    UnpumpedHost host(program.View());
    double window = 1e9;
    double loop = 1e9;
    QElapsedTimer clock;
    for (int round = 0; round < 3; ++round) {
        const std::string folder = base + "/" + std::to_string(round);
        QDir().mkpath(QString::fromStdString(folder + "/window"));
        QDir().mkpath(QString::fromStdString(folder + "/loop"));
        program.View().SetText(ControlId::Text3, folder + "/window/");
        clock.start();
        program.Window().Button(ControlId::PushButton1)->click();
        window = std::min(window, static_cast<double>(clock.nsecsElapsed()) / 1e9);

        program.View().SetText(ControlId::Text3, folder + "/loop/");
        clock.start();
        RunCreationLoop(files, host, count, '/');
        loop = std::min(loop, static_cast<double>(clock.nsecsElapsed()) / 1e9);
        QDir(QString::fromStdString(folder)).removeRecursively();
    }

    std::printf("folders            %d\n", count);
    std::printf("window run (pump)  %.3f s  %.2f us/folder\n", window, window * 1e6 / count);
    std::printf("loop without pump  %.3f s  %.2f us/folder\n", loop, loop * 1e6 / count);
    std::printf("ratio              %.2f\n", window / loop);
    std::printf("peak memory        %.1f MiB\n", static_cast<double>(PeakKiB()) / 1024.0);
    return 0;
}
