#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/loader.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "platform/utf8.h"

namespace tavra::test {

datatool::DataFiles Compile(const Source& source) {
  std::vector<datatool::SourceFile> files = {{"version.txt", source.version},
                                             {"stations.tsv", source.stations},
                                             {"trains.tsv", source.trains},
                                             {"stops.tsv", source.stops}};
  files.insert(files.end(), source.extra.begin(), source.extra.end());
  datatool::TimetableSource parsed;
  std::vector<datatool::SourceError> errors;
  datatool::ParseSource(files, parsed, errors);
  datatool::DataFiles out;
  if (errors.empty()) datatool::CompileSource(parsed, out, errors);
  for (const auto& e : errors) ADD_FAILURE() << e.Text();
  return out;
}

std::unique_ptr<TimetableData> Load(const Source& source) {
  datatool::DataFiles files = Compile(source);
  auto data = std::make_unique<TimetableData>();
  EXPECT_EQ(LoadTimetableFromBytes(*data, files.index, files.records), kLoadComplete);
  return data;
}

TempDir::TempDir() {
  std::string base = std::filesystem::temp_directory_path() / "tavra-test-XXXXXX";
  std::vector<char> buf(base.begin(), base.end());
  buf.push_back('\0');
  if (!mkdtemp(buf.data())) std::abort();
  path_ = buf.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  FILE* f = std::fopen(File(name).c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

void TempDir::WriteData(const datatool::DataFiles& files) const {
  std::string error;
  EXPECT_TRUE(datatool::WriteDataFiles(files, path_, error)) << error;
}

void PatchedFiles::PatchAt(unsigned section, int row, size_t pos, const std::string& bytes) {
  size_t at = 0;
  for (unsigned s = 0; s < section; ++s) at += static_cast<size_t>(ReadSectionLength(index, s));
  records.replace(at + static_cast<size_t>(row * kRecordWidth[section]) + pos, bytes.size(), bytes);
}

void PatchedFiles::Patch(unsigned section, int row, const RecordField& field,
                         const std::string& bytes) {
  PatchAt(section, row, field.pos, bytes);
}

PatchedFiles Patchable(const Source& source) {
  auto files = Compile(source);
  return {files.index, files.records};
}

Source SmallNetwork() {
  Source s;
  s.version = "20240101\n";
  s.stations =
      "# a comment line\n"
      "name\tkey\n"
      "北京\tBJ\n"
      "北京西\tBJX\n"
      "上海\tSH\n"
      "天津\tTJ\n"
      "济南\tJN\n";
  s.trains =
      "train\tclass\tseats\taircon\tfares\tnumbers\textra\n"
      "T109\t2\t1011\t1\t1,50,0\n"
      "K1/K4\tA\t1011\t1\t1,0,0;7,0,0,101\n"
      "1461\t3\t1010\t0\t1,0,0\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\trun\tfare_km\n"
      "T109\t北京\t\t2000\t0\t0\t\t\n"
      "T109\t天津\t2120\t2125\t0\t137\t\t\n"
      "T109\t上海\t1030\t\t1\t1463\t\t\n"
      "K1/K4\t北京西\t\t2300\t0\t0\t\t0,0,0,0,0,0,0\n"
      "K1/K4\t济南\t0330\t0340\t1\t497\tK4\t497,0,0,0,0,0,0\n"
      "K1/K4\t上海\t1500\t\t1\t1500\tK4\t1000,500,0,0,0,0,0\n"
      "1461\t北京\t\t1140\t0\t0\t\t\n"
      "1461\t天津\t1320\t1330\t0\t137\t\t\n";
  return s;
}

int CallRow(const TimetableData& data, std::u16string_view train, std::u16string_view station,
            int nth) {
  const RecordTable& stops = data.Table(StopTable);
  for (int r = 0; r < stops.size(); ++r) {
    std::u16string_view record = stops.Record(r);
    if (TrainNumberText(data, Field(record, 4, 4)) == train &&
        StationName(data, Field(record, 0, 4)) == station && nth-- == 0)
      return r;
  }
  return -1;
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& env) {
  return RunProgram("tavra-cli", args, env);
}

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& env) {
  auto quote = [](const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  TempDir tmp;
  std::string command =
      env + (env.empty() ? "" : " ") + std::string(TAVRA_BUILD_DIR) + "/" + program;
  for (const auto& a : args) command += " " + quote(a);
  command += " >" + tmp.File("out") + " 2>" + tmp.File("err") + " </dev/null";
  const int raw = std::system(command.c_str());
  auto slurp = [](const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  };
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(tmp.File("out")), slurp(tmp.File("err"))};
}

std::string U8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace tavra::test
