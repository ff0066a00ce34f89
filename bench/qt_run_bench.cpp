// A run of many folders in the real window, against the same loop without the pump; or, with
// --options, a run with two subfolders in every folder against the command-line tool making the
// same plan, both writing their journal.
// Run on an X server (Xvfb): qt_run_bench <count> <empty folder on tmpfs>
//                            qt_run_bench --options <count> <empty folder on tmpfs>
//                            <quirebatch-cli>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

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

constexpr char kPattern[] = "Folder ######";

double Seconds(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// The processor time, user and system, of `who` (RUSAGE_SELF, RUSAGE_CHILDREN) so far: what a run
// costs whatever else the machine is doing.
double ProcessorSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The window as the user has it: its settings in `base`, the desktop's launches answered here.
qt::ProgramSetup BenchSetup(Dialogs& dialogs, const std::string& base) {
    qt::ProgramSetup setup = qt::DesktopSetup();
    setup.uniform = [] { return 0.5; };
    setup.shellHooks = {[](const QUrl&) { return true; },
                        [](const QString&, const QStringList&) { return true; },
                        {}};
    setup.dialogs = &dialogs;
    setup.settingsFile = QString::fromStdString(base + "/Quillmark.conf");
    return setup;
}

// Runs `run` `rounds` times, each on a folder of its own under `base`, removed after it.
template <class Run>
void Rounds(int rounds, const std::string& base, Run run) {
    for (int round = 0; round < rounds; ++round) {
        const std::string folder = base + "/" + std::to_string(round);
        run(folder);
        QDir(QString::fromStdString(folder)).removeRecursively();
    }
}

// The window with two subfolders in every folder against the tool with --each twice; the median
// of alternating rounds of each, in time and in processor time.
int OptionsRuns(int count, const std::string& base, const QString& cli) {
    std::ofstream(base + "/Quillmark.conf")
        << "[Pallisand%20Quire%20Batch%20Utility]\nOptionEach=RAW\\nEdits/Final\n";
    NoDialogs dialogs;
    qt::Program program(BenchSetup(dialogs, base));
    program.Start();
    if (!QTest::qWaitForWindowExposed(&program.Window())) return 1;
    program.View().SetText(ControlId::Text1, kPattern);
    program.View().SetText(ControlId::Text2, std::to_string(count));

    std::vector<double> window;
    std::vector<double> tool;
    std::vector<double> windowProcessor;
    std::vector<double> toolProcessor;
    QElapsedTimer clock;
    bool failed = false;
    Rounds(11, base, [&](const std::string& folder) {
        QDir().mkpath(QString::fromStdString(folder + "/window"));
        QDir().mkpath(QString::fromStdString(folder + "/cli"));
        program.View().SetText(ControlId::Text3, folder + "/window/");
        double processor = ProcessorSeconds(RUSAGE_SELF);
        clock.start();
        program.Window().Button(ControlId::PushButton1)->click();
        window.push_back(Seconds(clock));
        windowProcessor.push_back(ProcessorSeconds(RUSAGE_SELF) - processor);

        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        processor = ProcessorSeconds(RUSAGE_CHILDREN);
        clock.start();
        process.start(cli,
                      {QStringLiteral("--each"), QStringLiteral("RAW"), QStringLiteral("--each"),
                       QStringLiteral("Edits/Final"), QString::fromUtf8(kPattern),
                       QString::number(count), QString::fromStdString(folder + "/cli/")});
        process.waitForFinished(-1);
        tool.push_back(Seconds(clock));
        toolProcessor.push_back(ProcessorSeconds(RUSAGE_CHILDREN) - processor);
        failed =
            failed || process.exitCode() != 0 ||
            !QDir(QString::fromStdString(folder + "/window/Folder 000001/Edits/Final")).exists();
    });
    if (failed) {
        std::fprintf(stderr, "qt_run_bench: a run did not make its folders\n");
        return 1;
    }
    std::printf("folders            %d, each with RAW, Edits, Edits/Final; medians of %zu\n", count,
                window.size());
    // Each round's two runs met the same load: the median of their ratios is the steadier figure.
    const auto line = [count](const char* what, const std::vector<double>& ofWindow,
                              const std::vector<double>& ofTool) {
        std::vector<double> ratios;
        for (std::size_t round = 0; round < ofWindow.size(); ++round) {
            ratios.push_back(ofWindow[round] / ofTool[round]);
        }
        const double windowMedian = Median(ofWindow);
        const double toolMedian = Median(ofTool);
        std::printf(
            "%-15s window %.3f s (%.2f us/folder)  quirebatch-cli %.3f s  ratio of the medians "
            "%.3f, median ratio %.3f\n",
            what, windowMedian, windowMedian * 1e6 / count, toolMedian, windowMedian / toolMedian,
            Median(ratios));
    };
    line("time", window, tool);
    line("processor time", windowProcessor, toolProcessor);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 4 && arguments[0] == "--options") {
        return OptionsRuns(std::stoi(arguments[1]), arguments[2],
                           QString::fromStdString(arguments[3]));
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr,
                     "usage: qt_run_bench <count> <empty folder>\n"
                     "       qt_run_bench --options <count> <empty folder> <quirebatch-cli>\n");
        return 2;
    }
    const int count = std::stoi(arguments[0]);
    const std::string base = arguments[1];

    NoDialogs dialogs;
    qt::Program program(BenchSetup(dialogs, base));
    program.Start();
    if (!QTest::qWaitForWindowExposed(&program.Window())) return 1;
    program.View().SetText(ControlId::Text1, kPattern);
    program.View().SetText(ControlId::Text2, std::to_string(count));

    // Alternating rounds, each into a fresh folder; the best of each kind counts, as the machine's
    // other work only ever adds time.
    PosixFileSystem files;
    UnpumpedHost host(program.View());
    double window = 1e9;
    double loop = 1e9;
    QElapsedTimer clock;
    Rounds(3, base, [&](const std::string& folder) {
        QDir().mkpath(QString::fromStdString(folder + "/window"));
        QDir().mkpath(QString::fromStdString(folder + "/loop"));
        program.View().SetText(ControlId::Text3, folder + "/window/");
        clock.start();
        program.Window().Button(ControlId::PushButton1)->click();
        window = std::min(window, Seconds(clock));

        program.View().SetText(ControlId::Text3, folder + "/loop/");
        clock.start();
        RunCreationLoop(files, host, count, '/');
        loop = std::min(loop, Seconds(clock));
    });

    std::printf("folders            %d\n", count);
    std::printf("window run (pump)  %.3f s  %.2f us/folder\n", window, window * 1e6 / count);
    std::printf("loop without pump  %.3f s  %.2f us/folder\n", loop, loop * 1e6 / count);
    std::printf("ratio              %.2f\n", window / loop);
    std::printf("peak memory        %.1f MiB\n", static_cast<double>(PeakKiB()) / 1024.0);
    return 0;
}
