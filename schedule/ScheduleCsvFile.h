#pragma once
// Reading the CSV file that the schedule import was given, as a stream of
// records: the file is never held whole, so a file of hundreds of megabytes
// costs a few megabytes of memory beyond what is imported from it. The same
// reader takes bytes already in memory.
//
// Code page 932 and UTF-8 text (with or without a byte-order mark) are
// read; UTF-16 and binary files are refused with a message that says why,
// before anything is changed. A quoted field may hold line breaks: its
// record goes on over the following lines.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The longest record the import takes, in characters; a longer one is
// skipped and named in the summary.
constexpr int kMaxImportLineLength = 32767;

class ImportedScheduleCsvReader {
 public:
  enum class Problem {
    None,
    Unreadable,  // missing, not an ordinary file, or a read failed
    Binary,      // holds NUL bytes: not text at all
    Utf16,       // UTF-16 or UTF-32 text (a byte-order mark)
  };
  enum class Encoding { Cp932, Utf8 };

  // Opens the file and finds its encoding (one pass over the bytes).
  explicit ImportedScheduleCsvReader(const QString& path);
  // The same over the bytes of a file; name stands for the file in messages.
  ImportedScheduleCsvReader(const QByteArray& bytes, const QString& name);

  Problem problem() const { return problem_; }
  Encoding encoding() const { return encoding_; }
  // The message that refuses the file for its problem; "" for none.
  QString problemMessage() const;

  // The next record, its line breaks inside quotes kept as "\n"; false at
  // the end of the file. A record is never longer than the maximum: a
  // longer one comes back empty with tooLong set. A read that fails on the
  // way (a failing disk, a network share) ends the records too: problem()
  // is then Unreadable, and the records given so far are not the file.
  struct Record {
    QString text;
    int number = 0;     // records counted from 1
    int firstLine = 0;  // the physical line it starts on, from 1
    bool tooLong = false;
    bool unclosedQuote = false;  // a quote still open at the end of the file
  };
  bool next(Record& record);

  // Back to the first record.
  void rewind();

  qint64 bytesRead() const { return consumed_; }
  qint64 size() const { return size_; }

 private:
  bool readPhysicalLine(QByteArray& line);
  // The next piece of the file; empty at its end, and empty with the
  // problem set when the read failed.
  QByteArray readChunk();
  QString decode(const QByteArray& bytes) const;
  // Finds the encoding of the opened content and goes back to its start.
  void examineContent();

  QString path_;
  std::unique_ptr<QIODevice> device_;
  Problem problem_ = Problem::None;
  QString readFailure_;  // why the file could not be read
  Encoding encoding_ = Encoding::Cp932;
  qint64 size_ = 0;
  qint64 consumed_ = 0;
  qint64 skipBom_ = 0;
  QByteArray buffer_;
  qsizetype bufferPos_ = 0;
  bool eof_ = false;
  int lineNumber_ = 0;
  int recordNumber_ = 0;
};

// Every record of a file at once, for small files and tests: the texts of
// the records, or a problem.
struct ImportedScheduleCsv {
  using Problem = ImportedScheduleCsvReader::Problem;
  Problem problem = Problem::None;
  ImportedScheduleCsvReader::Encoding encoding = ImportedScheduleCsvReader::Encoding::Cp932;
  QStringList lines;  // one per record
};
ImportedScheduleCsv ReadImportedScheduleCsv(const QString& path);
// The same from the bytes of such a file, touching no file.
ImportedScheduleCsv ReadScheduleCsvFile(const QByteArray& bytes);

// Stands in for a failing disk, for tests: before each read of an import
// file, a hook that returns true makes the read fail as an I/O error would.
using ImportReadFaultHook = std::function<bool()>;
void SetImportReadFaultHook(ImportReadFaultHook hook);
