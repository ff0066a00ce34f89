// Helpers of the Qt tests: temporary folders, recording ports and answering modal boxes.
#pragma once

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "platform/qt/qt_program.h"

namespace quire::qt::test {

// A folder that lives as long as the object.
class TempFolder {
public:
    TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/quire qt XXXXXX")) {}
    std::string Path() const { return dir_.path().toStdString(); }
    QString QPath() const { return dir_.path(); }
    std::string Sub(const std::string& name) const { return Path() + "/" + name; }

private:
    QTemporaryDir dir_;
};

inline void WriteFile(const std::string& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write " + path);
    file.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The folders in `path`, hidden ones too, by name.
inline QStringList FoldersIn(const QString& path) {
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Runs `act` inside a run's pump once `path` holds `folders` folders; the timer belongs to `owner`.
inline void AtFolder(QObject& owner, const QString& path, qsizetype folders,
                     std::function<void()> act) {
    auto* timer = new QTimer(&owner);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (FoldersIn(path).size() < folders) return;
        timer->stop();
        act();
    });
    timer->start(0);
}

// The contrast of the text in `area` of `image`: its most common colour is the background, and the
// colour that stands out most from it is the text's.
double TextContrast(const QImage& image, const QRect& area);

// A 32x32 cursor file with the given hotspot.
QByteArray CursorFileBytes(int hotX, int hotY);

struct ShownBox {
    std::string text;
    std::string caption;
    BoxStyle style;
};

// Message boxes answered from a queue (Yes when it runs dry); every box is recorded.
class RecordingDialogs final : public Dialogs {
public:
    BoxAnswer ShowMessage(const std::string& text, const std::string& caption,
                          BoxStyle style) override {
        shown.push_back({text, caption, style});
        if (onShow) onShow(shown.back());
        if (style != BoxStyle::YesNo) return BoxAnswer::Ok;
        if (answers.empty()) return BoxAnswer::Yes;
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<ShownBox> shown;
    std::deque<BoxAnswer> answers;
    std::function<void(const ShownBox&)> onShow;
};

// What the program handed to the desktop, instead of handing it over.
struct DesktopRecord {
    std::vector<QUrl> opened;
    std::vector<QStringList> launched;  // program first, then its arguments
    bool launchSucceeds = true;

    QtShell::Hooks Hooks(QFileDialog::Options pickerOptions = QFileDialog::DontUseNativeDialog) {
        return QtShell::Hooks{[this](const QUrl& url) {
                                  opened.push_back(url);
                                  return true;
                              },
                              [this](const QString& program, const QStringList& arguments) {
                                  launched.push_back(QStringList{program} + arguments);
                                  return launchSucceeds;
                              },
                              pickerOptions};
    }
};

// A program on temporary folders whose desktop, boxes, draw and exit are all recorded.
struct ProgramFixture {
    TempFolder programFolder;
    TempFolder configFolder;
    TempFolder dataHome;  // as $XDG_DATA_HOME
    RecordingDialogs dialogs;
    DesktopRecord desktop;
    double drawn = 0.5;  // the start-up draw's number from [0, 1)
    int exits = 0;

    QString SettingsFile() const {
        return configFolder.QPath() + QStringLiteral("/Quillmark.conf");
    }

    ProgramSetup Setup() {
        return ProgramSetup{programFolder.Path(), SettingsFile(),      [this] { return drawn; },
                            desktop.Hooks(),      [this] { ++exits; }, &dialogs,
                            UserSamples()};
    }

    std::string UserSamples() const { return dataHome.Sub("quirebatch/Samples"); }
};

// Polls for a modal widget every few milliseconds and hands it to `act`, which must close it.
// Acting comes first and checks come after exec returns: a failed check inside would leave the
// box open and the test hanging.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QWidget&)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || seen_ == modal) return;
            seen_ = modal;
            ++answered_;
            act_(*modal);
        });
        timer_.start(5);
    }
    int Answered() const { return answered_; }

private:
    std::function<void(QWidget&)> act_;
    QTimer timer_;
    QWidget* seen_ = nullptr;
    int answered_ = 0;
};

// Runs the event loop until `done` holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Runs this process's tests off screen, with a configuration folder of its own. `takeOver`, when
// given, runs first once Qt is up and may end the process instead: it returns the exit status, or
// nothing to go on with the tests.
int RunOffscreenTests(int argc, char** argv,
                      const std::function<std::optional<int>()>& takeOver = {});

}  // namespace quire::qt::test
