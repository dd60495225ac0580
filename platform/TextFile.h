#pragma once
// Sequential text files as the program reads and writes them.
//
// Reading: a line ends at CR LF, a lone CR or a lone LF. Text is UTF-8; a line
// that is not valid UTF-8 is read as Windows-1252, so files from older
// installations still load.
// Writing: every line ends with CR LF, and a file is rewritten by writing a new
// file beside it and renaming it over the old one.

#include <QString>
#include <QStringList>
#include <optional>

// Bytes read from a file, decoded as ReadTextFile does.
QString DecodeText(const QByteArray& bytes);
// The whole file, decoded. No value when the file cannot be opened.
std::optional<QString> ReadTextFile(const QString& path);
// The file's lines without their line ends. A line end at the very end of the
// file does not start another line.
std::optional<QStringList> ReadLines(const QString& path);
QStringList SplitLines(const QString& text);

// Comma-separated fields of one line: blanks before a field are skipped; a
// field that starts with a double quote runs to the next double quote and may
// hold commas; otherwise it ends at the next comma.
QStringList SplitFields(const QString& line);

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

// Writes each line followed by CR LF, through a new file renamed over the old.
bool WriteLines(const QString& path, const QStringList& lines);
// Writes the text as it stands, through a new file renamed over the old.
bool WriteTextFile(const QString& path, const QString& text);
// Appends lines (each followed by CR LF) to a file, creating it when missing.
// The file is rewritten whole through a new file, so a failure leaves the old
// content in place.
bool AppendLines(const QString& path, const QStringList& lines);
