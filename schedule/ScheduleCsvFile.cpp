#include "ScheduleCsvFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>

#include "core/platform/Codec.h"
#include "core/platform/SystemError.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/platform/TextLines.h"

namespace {

using Problem = ImportedScheduleCsvReader::Problem;
using Encoding = ImportedScheduleCsvReader::Encoding;

constexpr qint64 kChunk = 1 << 20;
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool IsUtf16Bom(const QByteArray& head) { return head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"); }

ImportReadFaultHook& ReadFaultHook() {
  static ImportReadFaultHook hook;
  return hook;
}

}  // namespace

void SetImportReadFaultHook(ImportReadFaultHook hook) {
  platform::RegisterSeamReset([] { SetImportReadFaultHook({}); });
  ReadFaultHook() = std::move(hook);
}

ImportedScheduleCsvReader::ImportedScheduleCsvReader(const QString& path)
    : path_(path), device_(std::make_unique<QFile>(path)) {
  const QFileInfo info(path);
  if (!info.isFile()) {
    problem_ = Problem::Unreadable;
    readFailure_ = platform::SystemErrorText(!info.exists() ? ENOENT : info.isDir() ? EISDIR : EINVAL);
    return;
  }
  if (!device_->open(QIODevice::ReadOnly)) {
    problem_ = Problem::Unreadable;
    readFailure_ = device_->errorString();
    return;
  }
  examineContent();
}

ImportedScheduleCsvReader::ImportedScheduleCsvReader(const QByteArray& bytes, const QString& name) : path_(name) {
  auto buffer = std::make_unique<QBuffer>();
  buffer->setData(bytes);
  buffer->open(QIODevice::ReadOnly);
  device_ = std::move(buffer);
  examineContent();
}

void ImportedScheduleCsvReader::examineContent() {
  size_ = device_->size();
  const QByteArray head = device_->peek(4);
  if (IsUtf16Bom(head)) {
    problem_ = Problem::Utf16;
    return;
  }
  if (head.startsWith(kUtf8Bom)) {
    encoding_ = Encoding::Utf8;
    skipBom_ = kUtf8Bom.size();
  }
  // Japanese text in code page 932 is practically never valid UTF-8, so a
  // file that is valid UTF-8 and not plain ASCII is read as UTF-8.
  QStringDecoder utf8(QStringDecoder::Utf8);
  bool nonAscii = false;
  while (!device_->atEnd()) {
    const QByteArray chunk = readChunk();
    if (problem_ != Problem::None) return;
    if (chunk.contains('\0')) {
      problem_ = Problem::Binary;
      return;
    }
    if (encoding_ == Encoding::Cp932 && !utf8.hasError()) {
      for (char c : chunk) {
        if (static_cast<unsigned char>(c) >= 0x80) {
          nonAscii = true;
          break;
        }
      }
      // The decoder decodes only when its result is taken.
      const QString decoded = utf8.decode(chunk);
    }
  }
  const QString rest = utf8.decode(QByteArray());  // an incomplete sequence at the end is an error
  if (encoding_ == Encoding::Cp932 && nonAscii && !utf8.hasError()) encoding_ = Encoding::Utf8;
  rewind();
}

QString ImportedScheduleCsvReader::problemMessage() const {
  const QString named = QStringLiteral("このファイル(") + path_ + QStringLiteral(")");
  switch (problem_) {
    case Problem::None:
      return QString();
    case Problem::Unreadable:
      return platform::ReadFailureMessage(path_, readFailure_);
    case Problem::Binary:
      return named + QStringLiteral("はテキストファイルではないので、インポートできません。");
    case Problem::Utf16:
      return named + QStringLiteral(
                         "はUTF-16で書かれているので、インポートできません。\r\n"
                         "シフトJISかUTF-8で保存し直してからインポートしてください。");
  }
  return QString();
}

void ImportedScheduleCsvReader::rewind() {
  if (problem_ != Problem::None) return;
  device_->seek(skipBom_);
  consumed_ = skipBom_;
  buffer_.clear();
  bufferPos_ = 0;
  eof_ = false;
  lineNumber_ = 0;
  recordNumber_ = 0;
}

// QFile::read() gives an empty piece both at the end and on a failed read:
// only the error tells them apart, and a failed read taken for the end
// would import part of the file as if it were all of it.
QByteArray ImportedScheduleCsvReader::readChunk() {
  if (ReadFaultHook() && ReadFaultHook()()) {
    problem_ = Problem::Unreadable;
    readFailure_ = platform::SystemErrorText(EIO);
    return QByteArray();
  }
  QByteArray chunk = device_->read(kChunk);
  const auto* file = qobject_cast<const QFileDevice*>(device_.get());
  if (chunk.isEmpty() && file && file->error() != QFileDevice::NoError) {
    problem_ = Problem::Unreadable;
    readFailure_ = file->errorString();
  }
  return chunk;
}

// One line without its end (CR LF, LF or a lone CR); false at the end of
// the file. The bytes 0D and 0A never occur inside a character in either
// encoding, so lines are cut before decoding.
bool ImportedScheduleCsvReader::readPhysicalLine(QByteArray& line) {
  line.clear();
  for (;;) {
    if (bufferPos_ >= buffer_.size()) {
      if (eof_) return !line.isEmpty();
      buffer_ = readChunk();
      bufferPos_ = 0;
      if (buffer_.isEmpty()) {
        eof_ = true;
        return problem_ == Problem::None && !line.isEmpty();
      }
    }
    const char* data = buffer_.constData();
    qsizetype i = bufferPos_;
    while (i < buffer_.size() && data[i] != '\r' && data[i] != '\n') ++i;
    // A line beyond any record's length is not kept whole: its end is
    // still looked for, but its bytes need not be.
    if (line.size() <= 4 * kMaxImportLineLength) line.append(data + bufferPos_, i - bufferPos_);
    consumed_ += i - bufferPos_;
    bufferPos_ = i;
    if (i >= buffer_.size()) continue;
    const char end = data[i];
    ++bufferPos_;
    ++consumed_;
    if (end == '\r') {
      if (bufferPos_ >= buffer_.size() && !eof_) {
        buffer_ = readChunk();
        bufferPos_ = 0;
        if (buffer_.isEmpty()) eof_ = true;
        if (problem_ != Problem::None) return false;
      }
      if (bufferPos_ < buffer_.size() && buffer_.at(bufferPos_) == '\n') {
        ++bufferPos_;
        ++consumed_;
      }
    }
    return true;
  }
}

QString ImportedScheduleCsvReader::decode(const QByteArray& bytes) const {
  return encoding_ == Encoding::Utf8 ? QString::fromUtf8(bytes) : platform::FromSjis(bytes);
}

bool ImportedScheduleCsvReader::next(Record& record) {
  record = Record();
  if (problem_ != Problem::None) return false;
  QByteArray line;
  if (!readPhysicalLine(line)) return false;
  record.number = ++recordNumber_;
  record.firstLine = ++lineNumber_;
  // A record is open while it holds an odd number of quotes: a doubled
  // quote inside a field counts twice.
  qsizetype quotes = line.count('"');
  record.text = decode(line);
  while (quotes % 2 == 1) {
    if (!readPhysicalLine(line)) {
      if (problem_ != Problem::None) {
        record = Record();
        return false;
      }
      record.unclosedQuote = true;
      break;
    }
    ++lineNumber_;
    quotes += line.count('"');
    if (record.text.size() <= kMaxImportLineLength) record.text += u'\n' + decode(line);
  }
  if (record.text.size() > kMaxImportLineLength) {
    record.text.clear();
    record.tooLong = true;
  }
  return true;
}

namespace {

ImportedScheduleCsv EveryImportedCsvRecord(ImportedScheduleCsvReader& reader) {
  ImportedScheduleCsv csv;
  csv.encoding = reader.encoding();
  ImportedScheduleCsvReader::Record record;
  while (reader.next(record)) csv.lines.append(record.text);
  csv.problem = reader.problem();
  if (csv.problem != ImportedScheduleCsv::Problem::None) csv.lines.clear();
  return csv;
}

}  // namespace

ImportedScheduleCsv ReadImportedScheduleCsv(const QString& path) {
  ImportedScheduleCsvReader reader(path);
  return EveryImportedCsvRecord(reader);
}

ImportedScheduleCsv ReadScheduleCsvFile(const QByteArray& bytes) {
  ImportedScheduleCsvReader reader(bytes, QString());
  return EveryImportedCsvRecord(reader);
}
