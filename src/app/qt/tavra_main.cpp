// tavra [--data-dir DIR] [--update-server URL] [--help] [--version]: the desktop program.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "app/qt/online_services.h"
#include "app/qt/timetable_app.h"
#include "platform/command_line.h"
#include "platform/qt/url_opener.h"

namespace {

// The desktop program's own options. Returns -1 to go on, else the exit status.
int ParseOptions(const std::vector<std::string>& args, tavra::AppOptions& options,
                 bool toolkitOptionsLeft) {
  CLI::App app(
      "The timetable and fare enquiry program, in a window. Without a display use "
      "tavra-cli.",
      "tavra");
  app.footer("Qt's own options (-platform NAME, -style NAME ...) are accepted too.");
  app.allow_extras();
  tavra::AddVersionFlag(app);
  app.add_option("--data-dir", options.dataDir,
                 "the folder of tavra.dll and tavra.sdf (default: beside the program)")
      ->type_name("DIR");
  app.add_option("--update-server", options.updateServer,
                 "the update server's address, http://host[:port][/prefix] (default: the "
                 "setting, else the publisher's server)")
      ->type_name("URL");
  return tavra::ParseCommandLine(app, args, toolkitOptionsLeft);
}

// Whether Qt has a display to open the window on; without one it would abort.
bool DisplayAvailable(int argc, char** argv) {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i)
    if (!std::strcmp(argv[i], "-platform") || !std::strncmp(argv[i], "-platform=", 10)) return true;
  return false;
}

// Milliseconds since this process was started, from the kernel's record of its start
// (10 ms resolution); -1 when unknown.
long MsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  size_t pos = text.rfind(')');
  if (pos == std::string::npos) return -1;
  // Fields after the command name: state is field 3, starttime field 22.
  std::string rest = text.substr(pos + 2);
  unsigned long long start = 0;
  size_t field = 3;
  for (size_t i = 0, from = 0; i <= rest.size(); ++i) {
    if (i == rest.size() || rest[i] == ' ') {
      if (field == 22) start = std::strtoull(rest.substr(from, i - from).c_str(), nullptr, 10);
      ++field;
      from = i + 1;
    }
  }
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
  return static_cast<long>((now.tv_sec + now.tv_nsec / 1e9 - start / ticks) * 1000);
}

}  // namespace

int main(int argc, char** argv) {
  tavra::AppOptions options;
  // --help and --version need no display; Qt's options are still in argv here.
  if (int status = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, true);
      status >= 0)
    return status;
  if (!DisplayAvailable(argc, argv)) {
    std::fprintf(stderr,
                 "tavra: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                 "is set); for the queries in a terminal use tavra-cli, e.g. tavra-cli "
                 "between 北京 上海\n");
    return 1;
  }
  QApplication qapp(argc, argv);  // takes the toolkit's own options out of argv
  QApplication::setApplicationName(QStringLiteral("tavra"));

  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toStdString());
  options = {};
  if (int status = ParseOptions(args, options, false); status >= 0) return status;

  tavra::CTimetableApp app(options);
  // TAVRA_STARTUP_TRACE=1 reports on standard error when the window is shown and when
  // queries are enabled, counted from the process's start.
  if (const char* trace = std::getenv("TAVRA_STARTUP_TRACE"); trace && *trace == '1')
    app.m_startupTrace = [](const char* what) {
      std::fprintf(stderr, "tavra: %s at %ld ms\n", what, MsSinceProcessStart());
    };
  auto http = tavra::MakeHttpClient();
  tavra::QtUrlOpener opener;
  tavra::InstallOnlineHooks(app, {http.get(), &opener, {}, {}});
  app.InitInstance();
  return 0;
}
