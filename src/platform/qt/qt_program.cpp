#include "platform/qt/qt_program.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTime>
#include <QWindow>
#include <filesystem>
#include <system_error>

#include "app/platform_traits.h"
#include "app/product.h"
#include "platform/posix/posix_program_folder.h"

namespace quire::qt {

ProgramSetup DesktopSetup() {
    const auto secondsSinceMidnight =
        static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
    return ProgramSetup{ProgramFolder(),
                        DefaultSettingsFile(),
                        SeededUniformSource(secondsSinceMidnight),
                        QtShell::DesktopHooks(),
                        [] { QCoreApplication::exit(0); },
                        nullptr};
}

Program::Program(ProgramSetup setup)
    : settings_(QFile::encodeName(setup.settingsFile).toStdString(),
                std::string(product::kSettingsSection)),
      shell_(window_, std::move(setup.shellHooks)) {
    window_.SetExitAction(std::move(setup.exitAction));
    Dialogs& dialogs = setup.dialogs ? *setup.dialogs : realDialogs_;
    const Form1Ports ports{view_, files_, dialogs, pump_, settings_, shell_, skin_, journal_};
    form_ = std::make_unique<Form1>(
        ports,
        Form1Environment{std::move(setup.programFolder), kPosixTraits,
                         QLocale::system().decimalPoint().toStdString(), std::move(setup.uniform)});
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
