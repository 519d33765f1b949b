#include "GoldenDrawing.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "core/print/DecorationImage.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PaperChoice.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"

namespace {

const QString kGoldenQueue = QStringLiteral("golden-queue");

QString GoldenNumber(double v) {
  // Three decimals, and no "-0.000" for a value that rounds to nothing.
  QString s = QString::number(v, 'f', 3);
  if (s == QStringLiteral("-0.000")) s = QStringLiteral("0.000");
  return s;
}

QString GoldenColour(uint32_t rgb) { return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')); }

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
  return QStringLiteral("%1-%2").arg(preview ? QStringLiteral("preview") : QStringLiteral("print"),
                                     prompts ? QStringLiteral("prompts") : QStringLiteral("quiet"));
}

std::vector<GoldenJobMode> GoldenJobModes() { return {{false, true}, {false, false}, {true, true}}; }

QString GoldenOpLine(const RecordedOp& op) {
  QStringList f;
  f << QString::fromLatin1(GoldenKindName(op.kind));
  switch (op.kind) {
    case RecordedOp::BeginDocument:
    case RecordedOp::NewPage:
    case RecordedOp::EndDocument:
    case RecordedOp::EndJob: return f.front();
    default: break;
  }
  f << GoldenNumber(op.x1) << GoldenNumber(op.y1) << GoldenNumber(op.x2) << GoldenNumber(op.y2);
  f << QStringLiteral("c=") + GoldenColour(op.color);
  f << QStringLiteral("style=%1 width=%2").arg(op.drawStyle).arg(op.drawWidth);
  f << QStringLiteral("dots=%1/%2").arg(GoldenNumber(op.dotPitch), GoldenNumber(op.dotSize));
  f << QStringLiteral("fill=%1/%2").arg(op.fillStyle).arg(GoldenColour(op.fillColor));
  f << QStringLiteral("font=%1/%2/%3").arg(op.fontName, GoldenNumber(op.fontSize), op.fontBold ? "b" : "r");
  if (op.kind == RecordedOp::Text) f << QStringLiteral("nl=%1").arg(op.newLine ? 1 : 0);
  if (op.kind == RecordedOp::RotatedText)
    f << QStringLiteral("face=%1/%2/%3/%4")
             .arg(op.rotated.faceName, GoldenNumber(op.rotated.heightPx), GoldenNumber(op.rotated.widthPx))
             .arg(op.rotated.escapement);
  if (op.kind == RecordedOp::Image)
    f << QStringLiteral("picture=%1x%2 scaling=%3 mirror=%4%5")
             .arg(op.imageSize.width())
             .arg(op.imageSize.height())
             .arg(int(op.scaling))
             .arg(op.mirroredX ? 1 : 0)
             .arg(op.mirroredY ? 1 : 0);
  if (op.kind == RecordedOp::Text || op.kind == RecordedOp::RotatedText)
    f << QStringLiteral("\"") + GoldenEscaped(op.text) + QStringLiteral("\"");
  return f.join(u' ');
}

GoldenJob::GoldenJob(GoldenJobMode mode)
    : mode_(mode),
      printer_(std::make_unique<GoldenSurface>(200, 287, 600)),
      preview_(std::make_unique<GoldenSurface>(201.3, 201.3 * 297 / 210, 96)) {
  InstallPrinterSurface(printer_.get());
  InstallPreviewSurface(preview_.get());
  // What one job leaves for the next, so that each case draws alike run alone
  // or after any other.
  PageUsed = 0;
  PreviewOutlineKind = 1;
  CurrentLineColor = 0;
  ResetDecorationCounter();
  ForgetPaperChoices();
  SetPrintDialogHandler([this](const PrintDialogView&) {
    mark(QStringLiteral("dialog"));
    return PrintDialogAnswer{mode_.preview ? 2 : 1, mode_.prompts, {}};
  });
  SetPreviewPageHandler([this](const QImage&) { mark(QStringLiteral("preview-shown outline=%1").arg(PreviewOutlineKind)); });
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
  PreviewMode = 0;
}

void GoldenJob::mark(const QString& line) { marks_.push_back({printer_->ops().size(), preview_->ops().size(), line}); }

void GoldenJob::note(const QString& text) { mark(QStringLiteral("note ") + GoldenEscaped(text)); }

QStringList GoldenJob::lines() const {
  QStringList out;
  size_t p = 0, v = 0;
  const auto flush = [&](const GoldenSurface& surface, size_t& done, size_t upTo, QChar tag) {
    for (; done < upTo; ++done) {
      const RecordedOp& op = surface.ops()[done];
      QString line = QString(tag) + u' ' + GoldenOpLine(op);
      const auto page = surface.pageOrientations().find(done);
      if (page != surface.pageOrientations().end()) line += QStringLiteral(" orientation=%1").arg(page->second);
      out << line;
    }
  };
  for (const Mark& m : marks_) {
    flush(*printer_, p, m.printerOps, u'P');
    flush(*preview_, v, m.previewOps, u'V');
    out << m.line;
  }
  flush(*printer_, p, printer_->ops().size(), u'P');
  flush(*preview_, v, preview_->ops().size(), u'V');
  return out;
}

QString GoldenJob::stream() const { return lines().join(u'\n') + u'\n'; }

int GoldenJob::eventCount() const { return int(printer_->ops().size() + preview_->ops().size() + marks_.size()); }

bool GoldenManifest::Updating() { return qgetenv("RINGPAD_GOLDEN_UPDATE") == "1"; }

GoldenManifest::GoldenManifest(const QString& area) : area_(area), path_(GoldenSourcePath(area)) {
  // An A4 queue whatever CUPS knows, so that no machine's printers enter a case.
  SetInstalledPrintersOverride(QStringList{kGoldenQueue});
  SetQueueDefaultMediaOverride({{kGoldenQueue, QPageSize(QPageSize::A4)}});
  SetCurrentPrinter(kGoldenQueue);
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

void GoldenManifest::check(const QString& caseName, const QString& stream, int events) {
  const QString hash = QString::fromLatin1(
      QCryptographicHash::hash(stream.toUtf8(), QCryptographicHash::Sha256).toHex());
  if (run_.count(caseName)) ADD_FAILURE() << "case run twice: " << caseName.toStdString();
  run_[caseName] = {events, hash};
  if (Updating()) return;
  const auto kept = kept_.find(caseName);
  const bool same = kept != kept_.end() && kept->second.events == events && kept->second.hash == hash;
  if (same) return;
  const QString artefact = GoldenArtefactPath(area_, caseName);
  QDir().mkpath(QFileInfo(artefact).absolutePath());
  QFile out(artefact);
  if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(stream.toUtf8());
  if (kept == kept_.end())
    ADD_FAILURE() << "drawing of case " << caseName.toStdString() << " is missing from "
                  << path_.toStdString() << " (run with RINGPAD_GOLDEN_UPDATE=1 to add it); stream written to "
                  << artefact.toStdString();
  else
    ADD_FAILURE() << "drawing of case " << caseName.toStdString() << " changed: " << events << " events (kept "
                  << kept->second.events << "); stream written to " << artefact.toStdString();
}

GoldenManifest::~GoldenManifest() {
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
