#include "AddressImportSource.h"

#include "PostalCodeData.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"

namespace {

// The header is looked for in this many lines at the top.
constexpr int kHeaderSearchLines = 3;

// A line of separators and empty quotes only would give an entry with no
// name, reading or number at all.
bool HasData(const QString& line) {
  for (const QString& field : SplitCsvFields(line, kImportMaxColumns))
    if (!TrimBlanks(field).isEmpty()) return true;
  return false;
}

}  // namespace

AddressImportFile ReadAddressImportFile(const QByteArray& bytes, const PostalLineLookup& lookup) {
  AddressImportFile file;
  const QStringList lines = platform::FromSjisLines(bytes);
  int header = -1;  // index into lines
  for (int n = 1; n <= kHeaderSearchLines && n <= lines.size(); ++n) {
    if (IsAddressImportHeader(lines.at(n - 1))) {
      header = n - 1;
      break;
    }
    ++file.skippedHeaderLines;
  }
  if (header < 0) return file;
  file.hasHeader = true;
  const AddressImportColumns columns = AddressImportColumns::FromHeader(lines.at(header));
  for (qsizetype i = header + 1; i < lines.size(); ++i) {
    if (TrimBlanks(lines.at(i)).isEmpty() || !HasData(lines.at(i))) continue;
    file.records.append(BuildImportedRecord(lines.at(i), columns, lookup));
  }
  return file;
}

bool ReadAddressImportSource(const QString& path, QList<AddressRecord>& records) {
  records.clear();
  QByteArray content;
  if (!platform::ReadWholeFileOrReport(path, content)) return false;
  AddressImportFile file = ReadAddressImportFile(content, LookUpPostalLine);
  for (int n = 1; n <= file.skippedHeaderLines; ++n) platform::ShowMessage(SkippedHeaderLineMessage(n));
  if (!file.hasHeader) {
    platform::ShowMessage(NoImportHeaderMessage(path), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    return false;
  }
  records = std::move(file.records);
  return true;
}
