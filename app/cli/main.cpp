// kerumina-cli: the calculation core from the command line, JSON in and JSON out.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/cli/box_commands.h"
#include "app/cli/commands.h"
#include "app/cli/json_lines.h"

namespace {

using kerumina::cli::Answer;

constexpr int EXIT_USAGE = 2;

struct LineCommand {
  const char* name;
  const char* help;
  Answer answer;
};

int RunLines(const Answer& answer) {
  return kerumina::cli::RunJsonLines(std::cin, std::cout, answer) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Text mode would turn LF into CR LF and stop reading at a Ctrl-Z: the answers must be the
  // same bytes on every system, and the reports carry their own CR LF.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  CLI::App app{
      "ケルミナ: stats, IV judgement, damage, species search and the box file from the command "
      "line. Calculating commands read one JSON object per line on standard input and write "
      "one JSON object per line."};
  app.set_version_flag("--version", "ケルミナ Ver 0.8.2");
  app.require_subcommand(1);
  // On Windows the library would take "/path" for an option: one meaning everywhere.
  app.allow_windows_style_options(false);

  const LineCommand lineCommands[] = {
      {"stats", "{species, level, nature, iv[6], ev[6]} -> {stats[6]}", kerumina::cli::AnswerStats},
      {"iv",
       "{species, level, nature, bounds?, hiddenPower?, ev?, characteristic?} -> candidates, "
       "thresholds, report (with ev or characteristic also possible, characteristicConsistent)",
       kerumina::cli::AnswerIv},
      {"damage",
       "{attacker, defender, row, move | power+category+type, conditions, model?} -> damage "
       "(model \"classic\", the default, or \"game\": sixteen rolls and KO chances)",
       kerumina::cli::AnswerDamage},
      {"search", "SearchConditions -> {rows}", kerumina::cli::AnswerSearch},
      {"learn", "{species, move} -> {canLearn}", kerumina::cli::AnswerLearn},
      {"species", "{species, level?} -> the detail view's data", kerumina::cli::AnswerSpecies},
  };
  int status = 0;
  for (const LineCommand& command : lineCommands) {
    app.add_subcommand(command.name, command.help)->callback([&status, &command] {
      status = RunLines(command.answer);
    });
  }

  CLI::App* boxCommand = app.add_subcommand("box", "Read or write a box file (kerumina.vbd)");
  boxCommand->require_subcommand(1);
  std::string file;
  CLI::App* list = boxCommand->add_subcommand("list", "One JSON line per used entry");
  list->add_option("FILE", file, "Box file")->required();
  list->callback([&] { status = kerumina::cli::RunBoxList(file, std::cout, std::cerr); });
  CLI::App* exportCommand =
      boxCommand->add_subcommand("export", "A JSON array of the used entries");
  exportCommand->add_option("FILE", file, "Box file")->required();
  exportCommand->callback(
      [&] { status = kerumina::cli::RunBoxExport(file, std::cout, std::cerr); });
  CLI::App* create = boxCommand->add_subcommand(
      "create", "Write a box file from a JSON array of entries on standard input");
  create->add_option("FILE", file, "Box file to write")->required();
  create->callback(
      [&] { status = kerumina::cli::RunBoxCreate(file, std::cin, std::cout, std::cerr); });
  CLI::App* importText = boxCommand->add_subcommand(
      "import-text",
      "Append the builds on standard input (the box window's text notation) to a box file, "
      "creating it when missing; nothing is written unless every build is valid and fits");
  importText->add_option("FILE", file, "Box file")->required();
  importText->callback(
      [&] { status = kerumina::cli::RunBoxImportText(file, std::cin, std::cout, std::cerr); });
  CLI::App* exportText = boxCommand->add_subcommand(
      "export-text", "Every entry as a build text, a blank line between");
  exportText->add_option("FILE", file, "Box file")->required();
  exportText->callback(
      [&] { status = kerumina::cli::RunBoxExportText(file, std::cout, std::cerr); });

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : EXIT_USAGE;
  }
  return status;
}
