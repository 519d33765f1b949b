#include "IniStore.h"

#include <sys/stat.h>
#include <time.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <utility>

#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"

IniStore& IniStore::instance() {
  static IniStore store;
  return store;
}

QString IniStore::keyOf(const QString& path) {
  // The settings file is asked for hundreds of times by the same absolute
  // name, whose key the current folder cannot change.
  if (!keyOfPath_.isEmpty() && path == keyOfPath_) return keyOfKey_;
  const QFileInfo info(path);
  QString key = info.absoluteFilePath();
  if (info.isAbsolute()) {
    keyOfPath_ = path;
    keyOfKey_ = key;
  }
  return key;
}

IniStore::Stamp IniStore::stampOf(const QString& key) {
  Stamp stamp;
  struct stat st {};
  if (::stat(QFile::encodeName(key).constData(), &st) == 0) {
    stamp.known = true;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.inode = st.st_ino;
    stamp.device = st.st_dev;
  } else if (errno == ENOENT) {
    stamp.known = true;
  }
  return stamp;
}

namespace {

// Longer than any file system's time stamp tick.
constexpr qint64 kIniStampSettleNs = 50'000'000;

qint64 IniStoreNowNs() {
  timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

}  // namespace

IniStore::Entry* IniStore::load(const QString& key) {
  auto it = entries_.find(key);
  // Inside a batch the changed document is newer than the file.
  if (it != entries_.end() && dirty_.contains(key)) return &*it;
  // An unchanged file is not read again.
  const Stamp stamp = stampOf(key);
  if (it != entries_.end() && it->stampTrusted && stamp.known && it->stamp == stamp) return &*it;

  const bool exists = stamp.known ? stamp.exists : QFileInfo::exists(key);
  QByteArray content;
  QString error;
  if (exists && !platform::ReadWholeFile(key, content, &error)) {
    // Forgetting the document makes every later write read again, so a file
    // that cannot be read is never replaced by what little is known of it.
    entries_.remove(key);
    if (!unreadable_.contains(key)) {
      unreadable_.insert(key);
      platform::ReportProblem({platform::Problem::ReadFailed, key, error});
    }
    return nullptr;
  }
  unreadable_.remove(key);
  const bool settled = !stamp.exists || IniStoreNowNs() - stamp.modifiedNs > kIniStampSettleNs;
  if (it != entries_.end() && it->exists == exists && it->content == content) {
    it->stamp = stamp;
    it->stampTrusted = stamp.known && settled;
    return &*it;
  }
  Entry entry;
  entry.exists = exists;
  entry.stamp = stamp;
  entry.stampTrusted = stamp.known && settled;
  entry.doc = IniDocument::parse(content);
  entry.content = std::move(content);
  return &*entries_.insert(key, std::move(entry));
}

const IniDocument* IniStore::document(const QString& path) {
  Entry* entry = load(keyOf(path));
  return entry ? &entry->doc : nullptr;
}

bool IniStore::save(const QString& key, Entry& entry) {
  QByteArray content = entry.doc.serialize();
  QString error;
  if (!platform::SaveFileThroughLink(key, content, &error)) {
    // The file keeps its old bytes; forget our version so that the next read
    // sees what is really stored.
    entries_.remove(key);
    // Settings are written at every change of a control: the user hears of a
    // failure once, not at every click, until a save works again.
    if (!unwritable_.contains(key)) {
      unwritable_.insert(key);
      platform::ReportProblem({platform::Problem::WriteFailed, key, error});
    }
    return false;
  }
  unwritable_.remove(key);
  entry.content = std::move(content);
  entry.exists = true;
  // Every copy of the program replaces the file with a new one, so the stamp
  // of the file just written changes with any later write.
  entry.stamp = stampOf(key);
  entry.stampTrusted = entry.stamp.known;
  return true;
}

bool IniStore::update(const QString& path, const std::function<void(IniDocument&)>& change) {
  const QString key = keyOf(path);
  Entry* entry = load(key);
  if (!entry) return false;
  if (batchDepth_ > 0) {
    change(entry->doc);
    dirty_.insert(key);
    return true;
  }
  Entry changed = *entry;
  change(changed.doc);
  if (!save(key, changed)) return false;
  entries_.insert(key, std::move(changed));
  return true;
}

void IniStore::beginBatch() { ++batchDepth_; }

bool IniStore::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
  bool ok = true;
  const QSet<QString> dirty = std::exchange(dirty_, {});
  for (const QString& key : dirty) {
    auto it = entries_.find(key);
    if (it != entries_.end() && !save(key, *it)) ok = false;
  }
  return ok;
}
