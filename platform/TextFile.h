#pragma once
// Sequential text files as the program reads and writes them.
//
// Reading: a line ends at CR LF, a lone CR or a lone LF. Text is UTF-8; a line
// that is not valid UTF-8 is read as Windows-1252, so files from older
// installations still load. A file that opens with a UTF-16 or UTF-32
// byte-order mark (as some Windows editors save text), or that is UTF-16
// saved without one (many of its first characters hold a NUL byte at the
// same end, which text in UTF-8 or Windows-1252 never does), is read in that
// encoding, every reader below alike, the encoding told by the file's start;
// one with a character that does not decode in it cannot be read. Byte-order
// marks that open a file are not read as text.
// Writing: every line ends with CR LF, and a file is rewritten by writing a new
// file beside it and renaming it over the old one.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <memory>
#include <optional>

// Opens a named file for reading when it is a regular file; a pipe, a device
// or a folder is refused at once (its opening would wait for a writer, or its
// reading never end). Every reader below opens files this way. When it is
// refused, error (when given) says why.
bool OpenForReading(QFile& file, QString* error = nullptr);

// The whole of a file opened for reading, as bytes: mapped into memory where
// the system maps it (nothing is copied, so a large file costs no memory of
// its own), else read. The bytes live as long as the file stays open and
// this object lives. ok() is false when the reading failed.
//
// A file in UTF-16 or UTF-32 is given as its text in UTF-8 (without the
// mark), so that DecodeLine reads its lines as every other reader does;
// transcoded() then says so, and ok() is false when it did not decode.
class FileBytes {
public:
    explicit FileBytes(QFile& file);
    bool ok() const { return ok_; }
    QByteArrayView bytes() const { return bytes_; }
    bool transcoded() const { return transcoded_; }

private:
    QByteArray copy_;
    QByteArrayView bytes_;
    bool ok_ = true;
    bool transcoded_ = false;
};

// Bytes read from a file, decoded as ReadTextFile does (a UTF-16 or UTF-32
// text with a character that does not decode: each such one replaced).
QString DecodeText(const QByteArray& bytes);
// How many of a file's first bytes tell whether it is UTF-16 saved without a
// byte-order mark.
constexpr qsizetype kEncodingSampleBytes = 512;
// True when a file's first bytes (kEncodingSampleBytes of them, or all when
// the file is shorter) say UTF-16 or UTF-32: a byte-order mark, or UTF-16
// without one.
bool StartsAsWideText(QByteArrayView start);
// One line's bytes, without its line end, decoded as LineReader decodes it.
QString DecodeLine(QByteArrayView bytes);
// The whole file, decoded. No value when the file cannot be opened, or is in
// UTF-16 or UTF-32 and does not decode.
std::optional<QString> ReadTextFile(const QString& path);
// The file's lines without their line ends. A line end at the very end of the
// file does not start another line. No value as for ReadTextFile.
std::optional<QStringList> ReadLines(const QString& path);

// Decodes UTF-16 or UTF-32 given piece by piece (bytes after the mark). Each
// piece's text ends on a whole character: one whose bytes or halves run into
// the next piece waits for it. A character that cannot be decoded (a lone
// surrogate half, a value beyond Unicode) makes failed() true.
class WideDecoder {
public:
    // unit: the bytes of one code unit, 2 or 4.
    WideDecoder(QStringConverter::Encoding encoding, qsizetype unit);
    QString piece(QByteArrayView bytes);
    bool failed() const { return failed_; }
    // Whether every character decoded, once all the bytes were given: none
    // failed and none was left unfinished.
    bool wholeAndSound() const;

private:
    QStringDecoder decoder_;
    qsizetype unit_;
    qint64 bytes_ = 0;
    QString held_;
    bool failed_ = false;
};
QStringList SplitLines(const QString& text);

// Reads a text file line by line, a chunk at a time, with the reading rules
// above, so a reader that needs only the start of a file reads only that.
// Memory stays bounded by the lines read, whatever the file's size: a line
// longer than kMaxLineBytes (no file the program writes holds one) is given
// cut there, with longLine() true, and the reading goes on after it, so such
// a line spoils only itself. A reader that copies the lines it reads asks for
// long lines whole instead.
class LineReader {
public:
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;
    enum class LongLines { Cut, Whole };

    // At most maxBytes of the file are read (the file then ends there for
    // the reader); a negative maxBytes reads all of it. Of a file in UTF-16
    // or UTF-32, two or four times as many, as its characters take that much
    // more room.
    explicit LineReader(const QString& path, qint64 maxBytes = -1, LongLines longLines = LongLines::Cut);
    ~LineReader();
    // False when the file cannot be opened, or is in UTF-16 or UTF-32 and a
    // character of it (of the part to be read) does not decode: such a file
    // is decoded through once before its reading starts, so that it is read
    // whole or not at all.
    bool isOpen() const { return open_; }
    // The next line without its line end; no value at the end of the file. A
    // line end at the very end of the file does not start another line.
    std::optional<QString> next();
    // True when the line next() gave last is longer than kMaxLineBytes.
    bool longLine() const { return long_; }

private:
    bool fill();
    bool decodesThrough(QStringConverter::Encoding encoding, qsizetype unit);
    QFile file_;
    std::unique_ptr<WideDecoder> wide_; // a file in UTF-16 or UTF-32: read as UTF-8
    qsizetype mark_ = 0;                // the bytes of its byte-order mark
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 left_ = -1;
    bool open_ = false;
    bool started_ = false;
    bool lfAfterCr_ = false; // the last line ended with CR: an LF next belongs to it
    bool cut_ = true;        // long lines are cut
    bool long_ = false;
};

// The first n lines of a file (fewer when it has fewer), reading no more of
// it than they take, and never more than n * kMaxLineBytes (plus line ends;
// a file in UTF-16 or UTF-32 two or four times that). No value when the file
// cannot be opened (LineReader::isOpen).
std::optional<QStringList> ReadFirstLines(const QString& path, int n);
// The start of a file's first line, without its line end: at most maxChars
// characters, read from no more of the file than they take. No value when
// the file cannot be opened or a character of them does not decode.
std::optional<QString> ReadFirstLineStart(const QString& path, int maxChars);

// The field rule of the program's files: blanks (spaces and tabs) before a
// field are skipped; a field that starts with a double quote runs to the
// closing quote, the first quote after it that is followed, after blanks, by
// a comma, a line end or the end of the text, so it may hold commas and
// quotes, and keeps its blanks. Without such a quote on its line it runs to
// the next quote on its line, or to the line end when there is none, and what
// follows up to the comma or line end belongs to no field: a field never runs
// past its line. A field without quotes runs to the next comma or line end,
// its trailing blanks kept.
//
// ScanField reads the field that starts at pos and leaves pos on the comma or
// line end that ends it (or at the end of the text). `closed`, when given, is
// set false for a quoted field without its closing quote.
QStringView ScanField(QStringView text, qsizetype& pos, bool* closed = nullptr);

// Comma-separated fields of one line, by the field rule; an empty line has
// none. `closed`, when given, is set false when a quoted field of the line has
// no closing quote (the line was not written by the field rule's writer).
QStringList SplitFields(const QString& line, bool* closed = nullptr);

// A text written as a field so the field rule reads it back unchanged. In
// double quotes: no value when the text holds a line break or a quote
// followed, after blanks, by a comma. Plain or quoted: plain when it holds no
// comma or line break and starts with no blank or quote, else in quotes.
std::optional<QString> QuotedField(const QString& text);
std::optional<QString> PlainOrQuotedField(const QString& text);

// Reads a text the way the program's sequential readers do: whole lines, or
// comma-separated fields that may run over line ends (a line end also ends a
// field).
class FieldReader {
public:
    explicit FieldReader(QString text);
    bool atEnd() const;
    // The rest of the current line, without its line end.
    QString line();
    // The next field; an empty text at the end of the input.
    QString field();

private:
    void skipLineEnd();
    QString text_;
    qsizetype pos_ = 0;
};

// The writers below write the whole file or nothing (platform/ReplacingFile.h):
// on a failure the old file stays as it was, and error (when given) holds the
// system's reason.
//
// Writes each line followed by CR LF, through a new file renamed over the old.
bool WriteLines(const QString& path, const QStringList& lines, QString* error = nullptr);
// Writes the text as it stands, through a new file renamed over the old.
bool WriteTextFile(const QString& path, const QString& text, QString* error = nullptr);
// Writes the bytes as they stand, through a new file renamed over the old.
bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Appends lines (each followed by CR LF) to a file, creating it when missing.
// The file is rewritten whole through a new file, so a failure leaves the old
// content in place. A file in UTF-16 or UTF-32 is rewritten in UTF-8, its
// text as it was read; one that does not decode is left as it is (false).
bool AppendLines(const QString& path, const QStringList& lines, QString* error = nullptr);
