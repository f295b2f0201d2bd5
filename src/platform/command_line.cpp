#include "platform/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <iostream>

namespace tavra {

#ifndef TAVRA_VERSION
#define TAVRA_VERSION "0"
#endif
const char* const kProgramVersion = TAVRA_VERSION;

namespace {

// Optimal string alignment distance: edits, counting a swap of neighbours as one.
size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i)
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

// Every command name, and every long option name of `app` and its commands.
void KnownNames(const CLI::App& app, std::vector<std::string>& commands,
                std::vector<std::string>& options) {
  for (const CLI::Option* o : app.get_options())
    for (const std::string& name : o->get_lnames()) options.push_back("--" + name);
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
    commands.push_back(sub->get_name());
    std::vector<std::string> unused;
    KnownNames(*sub, unused, options);
  }
}

// A command's missing arguments, said with the command's name and all it takes.
std::string MissingArguments(CLI::App& app, const CLI::RequiredError& e) {
  const std::vector<CLI::App*> parsed = app.get_subcommands();
  if (parsed.empty()) return e.what();
  const CLI::App& command = *parsed.back();
  std::string names;
  size_t count = 0;
  for (const CLI::Option* o : command.get_options())
    if (o->get_positional()) {
      names += " " + o->get_name();
      ++count;
    }
  return command.get_name() + " needs " + std::to_string(count) +
         (count == 1 ? " argument:" : " arguments:") + names;
}

}  // namespace

int UsageError(const CLI::App& app, const std::string& problem) {
  std::fprintf(stderr, "%s: %s\nRun with --help for more information.\n", app.get_name().c_str(),
               problem.c_str());
  return 1;
}

void AddVersionFlag(CLI::App& app) {
  app.set_version_flag("--version", app.get_name() + " " + kProgramVersion);
}

std::string ClosestName(std::string_view typed, const std::vector<std::string>& names) {
  std::string best;
  size_t bestDistance = 3;
  for (const std::string& name : names) {
    const size_t d = EditDistance(typed, name);
    if (d < bestDistance && 2 * d <= typed.size()) {
      best = name;
      bestDistance = d;
    }
  }
  return best;
}

int ParseCommandLine(CLI::App& app, const std::vector<std::string>& args, bool extrasAllowed) {
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 reads from the back
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, std::cout, std::cerr);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, std::cout, std::cerr);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e, std::cout, std::cerr);
  } catch (const CLI::RequiredError& e) {
    return UsageError(app, MissingArguments(app, e));
  } catch (const CLI::ParseError& e) {
    return UsageError(app, e.what());
  }
  const std::vector<std::string> extras = app.remaining();
  if (extras.empty() || extrasAllowed) return -1;
  std::vector<std::string> commands, options;
  KnownNames(app, commands, options);
  const std::string word = extras.front().substr(0, extras.front().find('='));
  const bool option = word.size() > 1 && word[0] == '-';
  const std::string closest = ClosestName(word, option ? options : commands);
  std::string problem = std::string(option ? "unknown option '" : "unknown command '") + word + "'";
  if (!closest.empty()) problem += "; did you mean '" + closest + "'?";
  return UsageError(app, problem);
}

}  // namespace tavra
