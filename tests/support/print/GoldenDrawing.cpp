#include "GoldenDrawing.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "core/platform/Clock.h"
#include "core/print/DecorationImage.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PaperChoice.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"

namespace {

const QString kGoldenQueue = QStringLiteral("golden-queue");

const char* GoldenKindName(RecordedOp::Kind kind) {
  switch (kind) {
    case RecordedOp::Line: return "line";
    case RecordedOp::Box: return "box";
    case RecordedOp::FilledBox: return "fill";
    case RecordedOp::Circle: return "circle";
    case RecordedOp::Point: return "point";
    case RecordedOp::Text: return "text";
    case RecordedOp::RotatedText: return "rtext";
    case RecordedOp::Image: return "image";
    case RecordedOp::BeginDocument: return "begin-doc";
    case RecordedOp::NewPage: return "new-page";
    case RecordedOp::EndDocument: return "end-doc";
    case RecordedOp::EndJob: return "end-job";
  }
  return "?";
}

const char* GoldenButtonsName(platform::MsgButtons b) {
  switch (b) {
    case platform::MsgButtons::Ok: return "ok";
    case platform::MsgButtons::OkCancel: return "ok-cancel";
    case platform::MsgButtons::AbortRetryIgnore: return "abort-retry-ignore";
    case platform::MsgButtons::YesNoCancel: return "yes-no-cancel";
    case platform::MsgButtons::YesNo: return "yes-no";
    case platform::MsgButtons::RetryCancel: return "retry-cancel";
  }
  return "?";
}

// Line breaks of a text kept visible, so that one event stays one line.
QString GoldenEscaped(const QString& text) {
  QString out = text;
  out.replace(u'\\', QStringLiteral("\\\\"));
  out.replace(u'\r', QStringLiteral("\\r"));
  out.replace(u'\n', QStringLiteral("\\n"));
  out.replace(u'\t', QStringLiteral("\\t"));
  return out;
}

platform::MsgResult GoldenFirstButton(platform::MsgButtons buttons) {
  switch (buttons) {
    case platform::MsgButtons::YesNo:
    case platform::MsgButtons::YesNoCancel: return platform::MsgResult::Yes;
    case platform::MsgButtons::AbortRetryIgnore: return platform::MsgResult::Abort;
    case platform::MsgButtons::RetryCancel: return platform::MsgResult::Retry;
    default: return platform::MsgResult::Ok;
  }
}

QString GoldenSourcePath(const QString& area) {
  return QStringLiteral(RINGPAD_SOURCE_DIR "/tests/golden/%1.txt").arg(area);
}

QString GoldenArtefactPath(const QString& area, const QString& caseName) {
  QString file = caseName;
  file.replace(u'/', u'_');
  return QStringLiteral(RINGPAD_ARTEFACT_DIR "/golden/%1/%2.txt").arg(area, file);
}

}  // namespace

PrintSurface::OpenResult GoldenSurface::openDocument() {
  const OpenResult result = RecordingSurface::openDocument();
  if (!ops().empty()) pageOrientations_[ops().size() - 1] = orientation();
  return result;
}

void GoldenSurface::startNextPage() {
  RecordingSurface::startNextPage();
  pageOrientations_[ops().size() - 1] = orientation();
}

QString GoldenJobMode::name() const {
  const QString way = preview ? QStringLiteral("preview") : QStringLiteral("print");
  if (cancelFirstQuestion) return way + QStringLiteral("-cancel");
  return way + (prompts ? QStringLiteral("-prompts") : QStringLiteral("-quiet"));
}

std::vector<GoldenJobMode> GoldenJobModes() {
  return {{false, true, false}, {false, false, false}, {true, true, false}, {false, true, true}};
}

void AppendGoldenOpLine(QByteArray& out, const RecordedOp& op) {
  out += GoldenKindName(op.kind);
  switch (op.kind) {
    case RecordedOp::BeginDocument:
    case RecordedOp::NewPage:
    case RecordedOp::EndDocument:
    case RecordedOp::EndJob: return;
    default: break;
  }
  const auto number = [&out](double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", v);
    // No "-0.000" for a value that rounds to nothing.
    out += std::strcmp(buffer, "-0.000") == 0 ? "0.000" : buffer;
  };
  const auto integer = [&out](long v) { out += QByteArray::number(qlonglong(v)); };
  const auto colour = [&out](uint32_t rgb) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06x", unsigned(rgb));
    out += buffer;
  };
  for (const double v : {op.x1, op.y1, op.x2, op.y2}) {
    out += ' ';
    number(v);
  }
  out += " c=";
  colour(op.color);
  out += " style=";
  integer(op.drawStyle);
  out += " width=";
  integer(op.drawWidth);
  out += " dots=";
  number(op.dotPitch);
  out += '/';
  number(op.dotSize);
  out += " fill=";
  integer(op.fillStyle);
  out += '/';
  colour(op.fillColor);
  out += " font=";
  out += op.fontName.toUtf8();
  out += '/';
  number(op.fontSize);
  out += op.fontBold ? "/b" : "/r";
  if (op.kind == RecordedOp::Text) out += op.newLine ? " nl=1" : " nl=0";
  if (op.kind == RecordedOp::RotatedText) {
    out += " face=";
    out += op.rotated.faceName.toUtf8();
    out += '/';
    number(op.rotated.heightPx);
    out += '/';
    number(op.rotated.widthPx);
    out += '/';
    integer(op.rotated.escapement);
  }
  if (op.kind == RecordedOp::Image) {
    out += " picture=";
    integer(op.imageSize.width());
    out += 'x';
    integer(op.imageSize.height());
    out += " scaling=";
    integer(int(op.scaling));
    out += " mirror=";
    out += op.mirroredX ? '1' : '0';
    out += op.mirroredY ? '1' : '0';
  }
  if (op.kind == RecordedOp::Text || op.kind == RecordedOp::RotatedText) {
    out += " \"";
    out += GoldenEscaped(op.text).toUtf8();
    out += '"';
  }
}

GoldenJob::GoldenJob(GoldenJobMode mode)
    : mode_(mode),
      printer_(std::make_unique<GoldenSurface>(200, 287, 600)),
      preview_(std::make_unique<GoldenSurface>(201.3, 201.3 * 297 / 210, 96)) {
  InstallPrinterSurface(printer_.get());
  InstallPreviewSurface(preview_.get());
  // What one job leaves for the next, so that each case draws alike run alone
  // or after any other.
  CurrentPrintJob().pageUsed = 0;
  CurrentPrintJob().previewOutlineKind = 1;
  CurrentLineColor = 0;
  ResetDecorationCounter();
  ForgetPaperChoices();
  SetPrintDialogHandler([this](const PrintDialogView&) {
    mark(QStringLiteral("dialog"));
    return PrintDialogAnswer{mode_.preview ? 2 : 1, mode_.prompts, {}};
  });
  SetPreviewPageHandler([this](const QImage&) {
    mark(QStringLiteral("preview-shown outline=%1").arg(CurrentPrintJob().previewOutlineKind));
  });
  platform::SetMessageHandler([this](const platform::MessageRequest& r) {
    QString line;
    for (int16_t side = 0; side <= 2 && line.isEmpty(); ++side)
      if (r.text == PaperSetMessage(side) && r.buttons == platform::MsgButtons::OkCancel)
        line = QStringLiteral("prompt side=%1").arg(side);
    if (line.isEmpty())
      line = QStringLiteral("message %1 icon=%2 default=%3 \"%4\"")
                 .arg(QString::fromLatin1(GoldenButtonsName(r.buttons)))
                 .arg(int(r.icon))
                 .arg(r.defaultButton)
                 .arg(GoldenEscaped(r.text));
    if (mode_.cancelFirstQuestion && !cancelled_ && r.buttons == platform::MsgButtons::OkCancel) {
      cancelled_ = true;
      mark(line + QStringLiteral(" answer=cancel"));
      return platform::MsgResult::Cancel;
    }
    mark(line);
    return GoldenFirstButton(r.buttons);
  });
}

GoldenJob::~GoldenJob() {
  platform::SetMessageHandler({});
  SetPreviewPageHandler({});
  SetPrintDialogHandler({});
  InstallPrinterSurface(nullptr);
  InstallPreviewSurface(nullptr);
  CurrentPrintJob().previewMode = 0;
}

void GoldenJob::mark(const QString& line) { marks_.push_back({printer_->ops().size(), preview_->ops().size(), line}); }

void GoldenJob::note(const QString& text) { mark(QStringLiteral("note ") + GoldenEscaped(text)); }

QByteArray GoldenJob::stream() const {
  QByteArray out;
  size_t p = 0, v = 0;
  const auto flush = [&out](const GoldenSurface& surface, size_t& done, size_t upTo, char tag) {
    for (; done < upTo; ++done) {
      out += tag;
      out += ' ';
      AppendGoldenOpLine(out, surface.ops()[done]);
      const auto page = surface.pageOrientations().find(done);
      if (page != surface.pageOrientations().end()) out += " orientation=" + QByteArray::number(page->second);
      out += '\n';
    }
  };
  for (const Mark& m : marks_) {
    flush(*printer_, p, m.printerOps, 'P');
    flush(*preview_, v, m.previewOps, 'V');
    out += m.line.toUtf8();
    out += '\n';
  }
  flush(*printer_, p, printer_->ops().size(), 'P');
  flush(*preview_, v, preview_->ops().size(), 'V');
  return out;
}

int GoldenJob::eventCount() const { return int(printer_->ops().size() + preview_->ops().size() + marks_.size()); }

bool GoldenManifest::Updating() { return qgetenv("RINGPAD_GOLDEN_UPDATE") == "1"; }

GoldenManifest::GoldenManifest(const QString& area) : area_(area), path_(GoldenSourcePath(area)) {
  // An A4 queue whatever CUPS knows, so that no machine's printers enter a case.
  SetInstalledPrintersOverride(QStringList{kGoldenQueue});
  SetQueueDefaultMediaOverride({{kGoldenQueue, QPageSize(QPageSize::A4)}});
  SetCurrentPrinter(kGoldenQueue);
  platform::SetFixedToday(QDate(2009, 3, 10));  // a Tuesday
  platform::SetFixedTime(QTime(8, 30));
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return;  // a missing manifest: every case fails as missing
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList parts = line.split(u'\t');
    if (parts.size() != 3) {
      ADD_FAILURE() << "malformed line in " << path_.toStdString() << ": " << line.toStdString();
      continue;
    }
    kept_[parts[0]] = {parts[1].toInt(), parts[2]};
  }
}

void GoldenManifest::check(const QString& caseName, const GoldenJob& job) {
  check(caseName, job.stream(), job.eventCount());
}

void GoldenManifest::check(const QString& caseName, const QByteArray& stream, int events) {
  const QString hash = QString::fromLatin1(QCryptographicHash::hash(stream, QCryptographicHash::Sha256).toHex());
  if (run_.count(caseName)) ADD_FAILURE() << "case run twice: " << caseName.toStdString();
  run_[caseName] = {events, hash};
  if (Updating()) return;
  const auto kept = kept_.find(caseName);
  const bool same = kept != kept_.end() && kept->second.events == events && kept->second.hash == hash;
  if (same) return;
  const QString artefact = GoldenArtefactPath(area_, caseName);
  QDir().mkpath(QFileInfo(artefact).absolutePath());
  QFile out(artefact);
  if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(stream);
  if (kept == kept_.end())
    ADD_FAILURE() << "drawing of case " << caseName.toStdString() << " is missing from "
                  << path_.toStdString() << " (run with RINGPAD_GOLDEN_UPDATE=1 to add it); stream written to "
                  << artefact.toStdString();
  else
    ADD_FAILURE() << "drawing of case " << caseName.toStdString() << " changed: " << events << " events (kept "
                  << kept->second.events << "); stream written to " << artefact.toStdString();
}

GoldenManifest::~GoldenManifest() {
  platform::SetFixedToday(QDate());
  platform::SetFixedTime(QTime());
  SetInstalledPrintersOverride(std::nullopt);
  SetQueueDefaultMediaOverride({});
  SetCurrentPrinter(DefaultPrinterName());
}

void GoldenManifest::finish() {
  if (!Updating()) {
    for (const auto& [name, entry] : kept_)
      if (!run_.count(name))
        ADD_FAILURE() << "case " << name.toStdString() << " of " << path_.toStdString() << " was not run";
    return;
  }
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSaveFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path_.toStdString();
  QByteArray text = QByteArrayLiteral(
      "# Drawing of each case: name, event count, SHA-256 of its event stream.\n"
      "# Written by the tests with RINGPAD_GOLDEN_UPDATE=1; never edit by hand.\n");
  for (const auto& [name, entry] : run_)
    text += QStringLiteral("%1\t%2\t%3\n").arg(name).arg(entry.events).arg(entry.hash).toUtf8();
  file.write(text);
  ASSERT_TRUE(file.commit()) << path_.toStdString();
}

void CheckGoldenModes(GoldenManifest& manifest, const QString& name, const std::function<void()>& job) {
  for (const GoldenJobMode& mode : GoldenJobModes()) {
    GoldenJob recording(mode);
    job();
    manifest.check(name + u'/' + mode.name(), recording);
  }
}
