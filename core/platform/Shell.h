#pragma once
// Handing work to other programs: companion programs that sit in the program
// folder, documents, web and mail addresses, telephone calls. No text from
// data ever reaches a shell: programs start with an argument list, and
// everything else opens through the desktop with a URL built from its parts.
//
// Every request goes through one replaceable handler, so that tests record
// what would be started or opened instead of starting it.
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace platform {

enum class ShellActionKind {
  StartProgram,  // start and go on
  RunAndWait,    // start and wait for the end, the event loop turning
  OpenUrl,       // open with the desktop's associated program
};

struct ShellAction {
  ShellActionKind kind = ShellActionKind::OpenUrl;
  QString program;  // absolute path of the program (StartProgram, RunAndWait)
  QStringList arguments;
  int windowStyle = 1;  // the window style the caller asked for; kept, not applied
  QUrl url;             // OpenUrl
};

using ShellHandler = std::function<void(const ShellAction& action)>;
// Installs a handler in place of the real start or open; an empty handler
// restores the real one.
void SetShellHandler(ShellHandler handler);

// The companion program NAME (given with or without ".exe"): the executable
// file NAME in the current folder (the program folder after start-up),
// letter case ignored; "" when there is none that can run here: a Windows
// NAME.exe, a file without the execute bit, a folder, a dangling link and a
// name holding a line break are no program. A folder given with the name is
// ignored: programs are only ever started from the program folder, so that a
// path in a data file cannot start a program elsewhere.
QString CompanionProgramPath(const QString& name);

// Starts a program with an argument list (no shell), without waiting.
void StartProgram(const QString& program, const QStringList& arguments);
// What became of a program that was started and waited for.
struct ProgramRunResult {
  bool started = false;  // it started (and has ended)
  int exitCode = 0;      // its exit code once it ended
  bool crashed = false;  // it was killed by a signal
  QString error;         // the reason it did not start
  bool succeeded() const { return started && !crashed && exitCode == 0; }
};
// Starts a program and returns when it has ended; a program that cannot be
// started returns at once. The program's own windows keep being served.
[[nodiscard]] ProgramRunResult RunProgramAndWait(const QString& program, const QStringList& arguments,
                                                 int windowStyle);

// Opens one of the program's own documents (its help) with the desktop's
// viewer; false when the file is not there, no desktop launcher is present
// or it refused, so that the caller can say where the file is instead.
bool OpenDocumentOrSayNot(const QString& path);

// The companion programs the code itself names (the calendar, the postal
// code lookup, the mail add-in and the launcher's programs), by base name.
// Programs are started only by these names: a name taken from a data file
// cannot start anything else.
bool IsCompanionProgramName(const QString& name);
// Web and mail addresses that may be handed to the desktop: http, https,
// mailto and tel.
bool IsAllowedUrlScheme(const QString& scheme);
// Documents that may be opened with the desktop's viewer, by extension:
// text, web pages, PDF, CSV and pictures. Never a program, a script or a
// desktop entry, which the desktop would run.
bool IsAllowedDocument(const QString& path);
// "「<target>」は開けません。" and what can be opened. A long target is cut
// and control characters are shown as blanks, so that the box stays
// readable whatever the target holds.
QString RefusedTargetMessage(const QString& target);

// The scheme that begins the text ("http", "javascript", ...), lower case;
// "" when the text begins with none: a drive letter ("C:") is a path, and a
// host name followed by a port ("localhost:8080") is an address without one.
QString LinkScheme(const QString& text);

// What a link named by text that came from data (an address book's web page
// box filled by an import, a document path in a file) leads to, decided by
// the one allow-list: web addresses of the allowed schemes with a plain host
// name, mail and telephone links, and existing documents of the allowed
// kinds. Refused: other schemes, network paths, addresses over 2,048
// characters or holding control characters, hosts that are no host names
// and addresses that carry a user name. Missing: an empty text, or a
// document that does not exist (a folder is none).
struct CheckedLink {
  enum Kind { Missing, Open, Refused } kind = Missing;
  QUrl url;  // Open: exactly what is handed to the desktop
};
CheckedLink CheckLink(const QString& target);
// Opens what CheckLink allows; a refusal is told with RefusedTargetMessage
// naming shownAs (the target when empty); a missing document says nothing.
// True when the link was handed to the desktop.
bool OpenLink(const QString& target, const QString& shownAs = QString());
// Opens a URL with the desktop's associated program; an invalid URL opens
// nothing.
void OpenUrl(const QUrl& url);

// The link of OpenMailLink: "mailto:", the address, and the subject and body
// as query items, percent-encoded.
QUrl MailLinkUrl(const QString& address, const QString& subject, const QString& body);
// A "tel:" link for the number: its digits (full-width ones too), "+", "*"
// and "#"; blanks, hyphens and parentheses between digit groups are left
// out. The number ends at a semicolon or a comma, and after its first digit
// at an extension marker ("ext", "x", "内線"), so that only the number is
// dialled. An empty URL when no digit is left.
QUrl TelephoneUrl(const QString& number);
// Places a telephone call through the desktop's handler of tel: links.
void PlaceTelephoneCall(const QString& number);

}  // namespace platform

// A program named with ".exe" (lower case, at the end or followed by a blank
// and its arguments) is started from the program folder when it is one of
// the companion programs; any other target is a document (opened only when
// it exists as a file) or an address with a scheme (web, mail, telephone),
// both through platform::OpenLink. A missing document or program says
// nothing; a target outside the allowed programs, schemes and documents is
// refused with RefusedTargetMessage.
void ShellOpen(const QString& target);

// Starts the command line (a companion program's name, then its arguments)
// and returns when the program has ended; windowStyle is the caller's wish
// for the program's window (1 normal, 2 minimised). Another program is
// refused with RefusedTargetMessage.
void RunAndWait(const QString& commandLine, int windowStyle);

// Opens a mail link to the address with the subject and body; the second
// text is not used. A "mailto:" before the address, in any letter case, is
// dropped.
void OpenMailLink(const QString& address, const QString& unused, const QString& subject,
                  const QString& body);

// Texts that page windows pass through on their way out; unchanged.
inline QString PassText(const QString& text) { return text; }
inline QString PassString(const QString& text) { return text; }
