#include "data/record_damage.h"

#include "data/loader.h"
#include "format/sections.h"
#include "platform/utf8.h"

namespace tavra {

void RecordDamage::Note(unsigned inSection, int inRow, const RecordField& inField,
                        std::u16string_view inValue, const char* inProblem) {
  if (Found()) return;
  section = inSection;
  row = inRow;
  field = inField.name;
  value = inValue;
  problem = inProblem;
}

std::string RecordDamage::Text() const {
  std::string text = std::string(kRecordFileName) + ": " + SectionName(section);
  if (row >= 0) text += " record " + std::to_string(row);
  return text + ": " + FieldText();
}

std::string RecordDamage::FieldText() const {
  return std::string(field) + " \"" + Utf16ToUtf8(value) + "\" " + problem;
}

}  // namespace tavra
