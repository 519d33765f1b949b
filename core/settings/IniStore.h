#pragma once
// Keeps the parsed profile files between calls: start-up writes some four
// hundred keys and every window reads dozens, and parsing and rewriting the
// whole file for each of them would be slow. A file is read again only when
// its size, modification time or inode differ from the ones seen last (one
// stat a key instead of one read), and parsed again only when its bytes
// differ. A settings file that is a symbolic link is written through it.
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <functional>

#include "IniDocument.h"

class IniStore {
 public:
  static IniStore& instance();

  // The file's document (empty when the file is missing); nullptr when the
  // file exists but cannot be read. A read failure is shown once, until the
  // file reads again: settings are read many times a second.
  const IniDocument* document(const QString& path);

  // Applies the change and rewrites the file atomically, or, inside a batch,
  // keeps it for the end of the batch. false when the file cannot be read
  // or written; the file is then left as it was.
  bool update(const QString& path, const std::function<void(IniDocument&)>& change);

  void beginBatch();
  // Ends one level; the outermost writes every changed file once. false when
  // a write failed.
  bool endBatch();

 private:
  // What stat() tells of the file; two equal stamps mean an unchanged file.
  struct Stamp {
    bool known = false;  // false: never taken, or stat failed
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const Stamp&) const = default;
  };
  static Stamp stampOf(const QString& key);

  struct Entry {
    QByteArray content;  // bytes the document was parsed from
    bool exists = false;
    Stamp stamp;         // of the file those bytes were read from
    // A file changed in place within one tick of the file system's clock
    // keeps its time stamp; a stamp taken that soon after the change is not
    // trusted, and the bytes are compared instead.
    bool stampTrusted = false;
    IniDocument doc;
  };
  QString keyOf(const QString& path);
  Entry* load(const QString& key);
  bool save(const QString& key, Entry& entry);

  QHash<QString, Entry> entries_;
  QSet<QString> dirty_;
  QSet<QString> unreadable_;  // read failures already shown
  QSet<QString> unwritable_;  // save failures already shown
  int batchDepth_ = 0;
  QString keyOfPath_, keyOfKey_;  // the last absolute path asked for, and its key
};
