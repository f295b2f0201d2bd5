// tavra [--data-dir DIR] [--update-server URL]: the desktop program.
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "app/qt/online_services.h"
#include "app/qt/timetable_app.h"
#include "platform/qt/url_opener.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: tavra [--data-dir DIR] [--update-server URL]\n");
  return 1;
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
  QApplication qapp(argc, argv);  // takes the toolkit's own options out of argv
  QApplication::setApplicationName(QStringLiteral("tavra"));

  tavra::AppOptions options;
  const QStringList args = QApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--data-dir") && i + 1 < args.size())
      options.dataDir = args[++i].toStdString();
    else if (args[i].startsWith(QLatin1String("--data-dir=")))
      options.dataDir = args[i].mid(11).toStdString();
    else if (args[i] == QLatin1String("--update-server") && i + 1 < args.size())
      options.updateServer = args[++i].toStdString();
    else if (args[i].startsWith(QLatin1String("--update-server=")))
      options.updateServer = args[i].mid(16).toStdString();
    else
      return Usage();
  }

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
