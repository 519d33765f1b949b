#pragma once
// Every data file is code page 932. Two checks keep that from costing the
// user text: text typed in that the code page cannot hold is refused before
// anything is written (it would be saved as "?"), and a file whose bytes
// would not come back from a read and a rewrite (a UTF-8 file from a Linux
// editor, binary junk) is not rewritten without the user's word.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// The characters of the text that code page 932 cannot hold, each once, in
// the order they first appear; "" when all of it can be saved.
QString UnsavableCharacters(const QString& text);
// "「<characters>」はShift-JISで保存できない文字です。" and
// "別の文字に直してください。" on the next line.
QString UnsavableCharactersMessage(const QString& characters);
// True when the text can be saved; otherwise reports the characters
// (Problem::UnsavableText, told with the message above) and returns false.
// Every window checks typed text with this before it writes.
bool CheckSavableText(const QString& text);

// True when every line's bytes come back unchanged from decoding and
// encoding as code page 932 (line ends aside: rewrites end lines with CR LF).
bool SurvivesCodePageRoundTrip(const QByteArray& content);
bool SurvivesCodePageRoundTrip(const QList<QByteArray>& lines);

// What a data file's bytes are. A Linux editor saves UTF-8; read as code
// page 932 its Japanese text turns to garbage, so every reader asks this first.
enum class TextBytes {
  CodePage932,  // every line comes back from a rewrite as it is
  Utf8,         // valid UTF-8 with text beyond ASCII, or a byte order mark
  Foreign,      // neither
};
// Code page 932 Japanese text is practically never valid UTF-8, so bytes that
// are valid UTF-8 and not plain ASCII are taken as UTF-8 even where they
// would also survive a code page round trip.
TextBytes ClassifyTextBytes(const QByteArray& content);
// The lines of UTF-8 content, a byte order mark dropped.
QStringList Utf8TextLines(const QByteArray& content);
// The lines of a data file as its text: UTF-8 content read as UTF-8, anything
// else as code page 932. Lines end at CR LF, LF or a lone CR.
QStringList DecodeTextLines(const QByteArray& content);
// The bytes of lines for a file that was UTF-8: each line UTF-8 with CR LF,
// after a byte order mark when the file being replaced began with one.
QByteArray JoinUtf8LinesCrLf(const QStringList& lines, bool byteOrderMark);
inline bool HasUtf8ByteOrderMark(const QByteArray& content) { return content.startsWith("\xEF\xBB\xBF"); }

// "「<path>」はShift-JISのテキストではないようです。"
QString NotShiftJisMessage(const QString& path);

// Whether bytes can be a text file in one of the data files' encodings
// (code page 932, UTF-8): no NUL byte, which text never holds and a picture
// or other binary file holds at once, and no UTF-16 or UTF-32 byte order
// mark, text in an encoding the files never use. A stray byte that makes no
// character is text still (files written on Windows may hold one), and so
// are control characters, which a box may hold and its file keeps.
bool IsTextContent(const QByteArray& content);
// "「<path>」はテキストファイルではないので、読み込めません。"
QString NotTextFileMessage(const QString& path);
// Asks "「<path>」はShift-JISのテキストではないようです。" and
// "書き換えると元の内容に戻せなくなります。書き換えますか？" (OK / Cancel) before the
// first rewrite of such a file in this session. True when the rewrite may go
// on: the bytes survive, or the user agreed earlier or now; Cancel gives false
// and the caller leaves the file as it is.
bool ConfirmRewriteOfForeignBytes(const QString& path, const QList<QByteArray>& lines);
// Forgets the answers given so far (a new session, for tests).
void ForgetForeignBytesAnswers();

}  // namespace platform
