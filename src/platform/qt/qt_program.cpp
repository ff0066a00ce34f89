#include "platform/qt/qt_program.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QTime>
#include <QWindow>
#include <filesystem>
#include <system_error>

#include "app/platform_traits.h"
#include "app/product.h"
#include "platform/posix/posix_helper_thread.h"
#include "platform/posix/posix_program_folder.h"

namespace quire::qt {

std::string FilesFolder(const std::string& programFolder, const std::string& fromProgram) {
    if (programFolder.empty() || fromProgram.empty()) return programFolder;
    // The program's folder has its links resolved, so ".." steps can be taken as written.
    std::string shared =
        (std::filesystem::path(programFolder) / fromProgram).lexically_normal().native();
    while (shared.size() > 1 && shared.back() == '/') shared.pop_back();
    struct stat info {};
    if (::stat(shared.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return shared;
    return programFolder;
}

ProgramSetup DesktopSetup() {
    const auto secondsSinceMidnight =
        static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
    // $XDG_DATA_HOME, by default ~/.local/share.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return ProgramSetup{FilesFolder(ProgramFolder(), QUIRE_FILES_FROM_PROGRAM),
                        DefaultSettingsFile(),
                        SeededUniformSource(secondsSinceMidnight),
                        QtShell::DesktopHooks(),
                        [] { QCoreApplication::exit(0); },
                        nullptr,
                        dataHome.isEmpty()
                            ? std::string()
                            : QFile::encodeName(dataHome).toStdString() + "/quirebatch/Samples"};
}

Program::Program(ProgramSetup setup)
    : settings_(QFile::encodeName(setup.settingsFile).toStdString(),
                std::string(product::kSettingsSection)),
      presets_(settings_.File(), std::string(product::kPresetsSection)),
      shell_(window_, std::move(setup.shellHooks)) {
    window_.SetExitAction(std::move(setup.exitAction));
    Dialogs& dialogs = setup.dialogs ? *setup.dialogs : realDialogs_;
    const Form1Ports ports{view_,  PortsOf(files_), dialogs,  pump_,    settings_,
                           shell_, skin_,           journal_, presets_, StartHelperThread};
    form_ = std::make_unique<Form1>(
        ports, Form1Environment{std::move(setup.programFolder), kPosixTraits,
                                QLocale::system().decimalPoint().toStdString(),
                                std::move(setup.uniform), std::move(setup.userSamplesFolder)});
    window_.Attach(*form_);
}

std::vector<std::string> FolderArguments(std::vector<std::string> arguments) {
    for (std::string& argument : arguments) {
        if (argument.empty() || argument.front() == '-') continue;
        if (argument.front() != '/') {
            // The working folder's own bytes: a name that is no UTF-8 stays whole.
            std::error_code error;
            argument = std::filesystem::current_path(error).native() + '/' + argument;
        }
        while (argument.size() > 1 && argument.back() == '/') argument.pop_back();
    }
    return arguments;
}

std::optional<std::string> AnswerWithoutWindow(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") break;  // a folder named like an option follows
        if (argument == "--version" || argument == "-V")
            return "quirebatch " + std::string(product::kVersion) + "\n";
        if (argument == "--help" || argument == "-h")
            return "Usage: quirebatch [FOLDER]\n"
                   "Opens the window of " +
                   std::string(product::kName) +
                   ", which creates many numbered folders in one go;\n"
                   "FOLDER, when it is a folder, goes into the target box.\n"
                   "\n"
                   "  -h, --help     print this help and end\n"
                   "  -V, --version  print the version and end\n"
                   "\n"
                   "The same runs from a terminal: quirebatch-cli --help.\n";
    }
    return std::nullopt;
}

void Program::Start(const std::vector<std::string>& arguments) {
    form_->Form_Load();
    form_->TakeStartFolder(arguments);
    window_.PlaceCentred();
    window_.show();
    QObject::connect(window_.windowHandle(), &QWindow::screenChanged, &window_,
                     [this] { view_.FollowScreen(); });
    window_.TextBox(ControlId::Text4)->setFocus(Qt::OtherFocusReason);
}

}  // namespace quire::qt
