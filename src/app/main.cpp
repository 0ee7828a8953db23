// Start-up: read the command line; a command runs headless on Qt's offscreen platform and
// exits, no command starts the windows on the program folder.
#include "app/TAddressMain.h"
#include "app/TSingleInstance.h"
#include "app/TTypingLimitNotice.h"
#include "cli/TCommandLine.h"
#include "help/THelp.h"
#include "help/TSplashWindow.h"
#include "output/TQtPrinterSystem.h"
#include "prompts/TQtUserPrompts.h"
#include "settings/TIniFile.h"
#include "settings/TPreferences.h"
#include "settings/TProgramFolder.h"
#include "settings/TScreenFit.h"

#include <QApplication>
#include <QTextStream>

#include <QDir>

#include <cstdio>
#include <exception>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList RawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int RunHeadless(const TCommandLineOptions& options)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!options.Error.isEmpty()) {
        err << "quorvane: " << options.Error << "\n";
        return 2;
    }
    if (options.Help) {
        out << TCommandLine::HelpText();
        return 0;
    }
    if (options.Version) {
        out << TCommandLine::VersionText() << "\n";
        return 0;
    }
    try {
        TProgramFolder::SetPath(TProgramFolder::Resolve(options.Home));
        TProgramFolder::Prepare();
        TCommandLine::RegisterStandardCommands();
        return TCommandLine::Run(options, out, err);
    } catch (const std::exception& error) {
        out.flush();
        err << "quorvane: " << error.what() << "\n";
        return 2;
    }
}

int RunWindows(const TCommandLineOptions& options)
{
    TProgramFolder::SetPath(TProgramFolder::Resolve(options.Home));
    TProgramFolder::Prepare();
    TSingleInstance instance(TSingleInstance::KeyFor(TProgramFolder::Path()));
    if (!instance.TryBecomePrimary())
        return 0; // the running instance on this folder brings its window forward
    THelp::Install();
    TScreenFit::Install();
    TTypingLimitNotice::Install();
    TQtUserPrompts dialogs;
    TUserPrompts::Install(&dialogs);
    TSplashWindow::ShowIfWanted(TPreferences::Load(TIniFile(TProgramFolder::SettingsFile())).ShowSplash);
    TAddressMain window;
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, &window, [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}

// Qt's platform plugins want a private runtime folder; a shell over ssh or in CI often has
// none, and Qt would warn about it on every command.
void EnsureRuntimeFolder()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(::getuid());
    ::mkdir(folder.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", folder);
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = RawArguments(argc, argv);
    const TCommandLineOptions options = TCommandLine::Parse(arguments);
    const bool headless = !options.Command.isEmpty() || options.Help || options.Version || !options.Error.isEmpty();
    // The layout workbench is a command with a window of its own, given a display.
    const bool windowed = options.Command == QLatin1String("layout") &&
                          options.Arguments.value(0) == QLatin1String("edit") &&
                          (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    if (headless && !windowed)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureRuntimeFolder();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    // Printing to the system's printers is Qt's, for the windows and the command line alike.
    TQtPrinterSystem printers;
    TPrinterSystem::Install(&printers);
    if (headless)
        return RunHeadless(options);
    try {
        return RunWindows(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvane: %s\n", error.what());
        return 2;
    }
}
