#pragma once
// Building test timetables from small readable sources, and recording what the program
// says to the user.
#include <memory>
#include <string>
#include <vector>

#include "data/timetable_data.h"
#include "datatool/compiler.h"
#include "datatool/source_reader.h"
#include "format/record_field.h"
#include "platform/user_messages.h"

namespace tavra::test {

// A minimal source: version, stations, trains and stops as given; other files optional.
struct Source {
  std::string version = "1\n";
  std::string stations;
  std::string trains;
  std::string stops;
  std::vector<datatool::SourceFile> extra;  // fare_bands.tsv and the like
};

// Compiles `source`; fails the current test (and returns empty files) on any error.
datatool::DataFiles Compile(const Source& source);

// Compiles and loads into fresh tables.
std::unique_ptr<TimetableData> Load(const Source& source);

// Compiled files whose records a test changes field by field, as damage would.
struct PatchedFiles {
  std::string index, records;
  // Overwrites the start of `field` of record `row` of `section` with `bytes`.
  void Patch(unsigned section, int row, const RecordField& field, const std::string& bytes);
  // Overwrites bytes at `pos` of the record, for damage that is not a field's.
  void PatchAt(unsigned section, int row, size_t pos, const std::string& bytes);
};
PatchedFiles Patchable(const Source& source);

// A folder under the test temporary directory, removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  // Writes both data files.
  void WriteData(const datatool::DataFiles& files) const;

 private:
  std::string path_;
};

struct RecordedMessage {
  std::u16string text;
  std::u16string caption;  // "(app)" for the application message box
};

class RecordingMessages : public UserMessages {
 public:
  void Message(std::u16string_view text, std::u16string_view caption) override {
    said.push_back({std::u16string(text), std::u16string(caption)});
  }
  bool Question(std::u16string_view text, std::u16string_view caption) override {
    said.push_back({std::u16string(text), std::u16string(caption)});
    return answer;
  }
  void AppMessage(std::u16string_view text) override {
    said.push_back({std::u16string(text), u"(app)"});
  }
  std::vector<RecordedMessage> said;
  bool answer = false;
};

class RecordingChoiceBox : public StationChoiceBox {
 public:
  void ResetContent() override {
    items.clear();
    edit.clear();
  }
  int ItemCount() const override { return static_cast<int>(items.size()); }
  void DeleteItem(int index) override { items.erase(items.begin() + index); }
  void AddItem(std::u16string_view name) override { items.emplace_back(name); }
  void ShowDropDown() override { ++dropDowns; }
  std::vector<std::u16string> items;
  std::u16string edit;
  int dropDowns = 0;
};

// Four stations, three trains: a small network most tests can share.
Source SmallNetwork();

// The StopTable row of the `nth` call (0 the first) of the train with full number text
// `train` at `station`, or -1.
int CallRow(const TimetableData& data, std::u16string_view train, std::u16string_view station,
            int nth = 0);

// A run of the built tavra-cli with `args`, standard input empty; `env` (for example
// "NO_COLOR=1") is set for it.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};
CliRun RunCli(const std::vector<std::string>& args, const std::string& env = "");

// The lines of a program's output, without their line ends.
std::vector<std::string> Lines(const std::string& text);
// The same for another program of the build folder ("tavra-data", "tavra").
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& env = "");

// UTF-8 of a UTF-16 text, for failure output.
std::string U8(std::u16string_view text);

}  // namespace tavra::test
