#include "platform/TextFile.h"
#include "platform/ReplacingFile.h"
#include "platform/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
QString fromCp1252(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += QChar(Windows1252Char(b));
    }
    return out;
}

// A file in UTF-16 or UTF-32, as some Windows editors save text: its
// encoding, the size of one code unit (the least a character takes) and the
// size of the byte-order mark before its text (none when saved without one).
struct WideText {
    QStringConverter::Encoding encoding;
    qsizetype unit;
    qsizetype mark;
};

// UTF-16 saved without a byte-order mark. Each letter, digit or sign of the
// ASCII range takes two bytes there, one of them NUL (the second in
// little-endian order, the first in big-endian order), while text in UTF-8 or
// Windows-1252 holds no NUL at all. So a start in which at least a quarter of
// the two-byte units hold a NUL, nearly all of them (eight in nine) at the
// same end, is UTF-16 in that order; a character whose low byte is NUL (as
// U+0100 or U+4E00) may come now and then.
std::optional<WideText> unmarkedUtf16(QByteArrayView start)
{
    start = start.first(std::min(start.size(), kEncodingSampleBytes));
    const qsizetype units = start.size() / 2;
    qsizetype nuls[2] = {0, 0}; // in the first and in the second byte of the units
    for (qsizetype i = 0; i < units * 2; ++i) {
        if (start[i] == '\0')
            ++nuls[i % 2];
    }
    for (const qsizetype high : {1, 0}) {
        const qsizetype atHigh = nuls[high];
        const qsizetype atLow = nuls[1 - high];
        if (atHigh > 0 && atHigh * 4 >= units && atLow * 8 <= atHigh)
            return WideText{high == 1 ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, 2, 0};
    }
    return std::nullopt;
}

std::optional<WideText> wideText(QByteArrayView start)
{
    // UTF-32 first: its little-endian mark starts as UTF-16's does.
    if (start.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)))
        return WideText{QStringConverter::Utf32LE, 4, 4};
    if (start.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return WideText{QStringConverter::Utf32BE, 4, 4};
    if (start.startsWith("\xFF\xFE"))
        return WideText{QStringConverter::Utf16LE, 2, 2};
    if (start.startsWith("\xFE\xFF"))
        return WideText{QStringConverter::Utf16BE, 2, 2};
    return unmarkedUtf16(start);
}
} // namespace

bool StartsAsWideText(QByteArrayView start) { return wideText(start).has_value(); }

WideDecoder::WideDecoder(QStringConverter::Encoding encoding, qsizetype unit)
    : decoder_(encoding, QStringDecoder::Flag::ConvertInitialBom), unit_(unit)
{}

QString WideDecoder::piece(QByteArrayView bytes)
{
    bytes_ += bytes.size();
    QString text = held_ + decoder_(bytes);
    held_.clear();
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        held_ = text.back();
        text.chop(1);
    }
    if (decoder_.hasError() || !QStringView(text).isValidUtf16())
        failed_ = true;
    return text;
}

bool WideDecoder::wholeAndSound() const { return !failed_ && held_.isEmpty() && bytes_ % unit_ == 0; }

namespace {
// The text of a whole wide file (bytes from its start, mark included); no
// value when a character of it cannot be decoded.
std::optional<QString> decodeWide(const WideText& wide, QByteArrayView bytes)
{
    WideDecoder decoder(wide.encoding, wide.unit);
    QString text = decoder.piece(bytes.sliced(wide.mark));
    if (!decoder.wholeAndSound())
        return std::nullopt;
    return text;
}

bool decodeUtf8(QByteArrayView bytes, QString& out)
{
    // A byte-order mark inside the text is kept as a character, wherever a
    // line starts: only the one that opens a file is dropped, by its reader.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    out = decoder(bytes);
    return !decoder.hasError();
}

// One line's bytes: UTF-8 when valid, otherwise Windows-1252.
QString decodeLine(QByteArrayView bytes)
{
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);
    QString text;
    return decodeUtf8(bytes, text) ? text : fromCp1252(bytes);
}

// A file marked as UTF-16 or UTF-32 by its encoding (no value when it does
// not decode). Otherwise UTF-8 when the whole text is valid; else each line
// on its own, so one line from an older installation does not spoil the rest.
std::optional<QString> decodeFile(QByteArrayView bytes)
{
    if (const auto wide = wideText(bytes))
        return decodeWide(*wide, bytes);
    QString text;
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    if (decodeUtf8(view, text))
        return text;
    text.clear();
    qsizetype start = 0;
    while (start < view.size()) {
        qsizetype end = start;
        while (end < view.size() && view[end] != '\r' && view[end] != '\n')
            ++end;
        while (end < view.size() && (view[end] == '\r' || view[end] == '\n'))
            ++end; // keep the line end with its line
        const QByteArrayView line = view.sliced(start, end - start);
        QString part;
        text += decodeUtf8(line, part) ? part : fromCp1252(line);
        start = end;
    }
    return text;
}

QByteArray joinCrLf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}
} // namespace

bool OpenForReading(QFile& file, QString* error)
{
    const QString name = file.fileName();
    auto refuse = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    auto openFile = [&file, &refuse, error] {
        if (!file.open(QIODevice::ReadOnly))
            return refuse(file.errorString());
        if (error)
            error->clear();
        return true;
    };
#ifdef Q_OS_UNIX
    if (!name.startsWith(QLatin1Char(':'))) { // not one of Qt's resources
        // Tested through an opening that does not wait: the plain opening of
        // a pipe waits for a writer.
        const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return refuse(qt_error_string(errno));
        struct stat st {};
        const bool known = ::fstat(fd, &st) == 0;
        const int why = errno;
        ::close(fd);
        if (!known)
            return refuse(qt_error_string(why));
        if (S_ISDIR(st.st_mode))
            return refuse(qt_error_string(EISDIR));
        if (S_ISFIFO(st.st_mode))
            return refuse(QStringLiteral("It is a named pipe, not a file"));
        if (!S_ISREG(st.st_mode))
            return refuse(QStringLiteral("It is a device or other special file, not a file"));
        return openFile();
    }
#endif
    if (!QFileInfo(name).isFile())
        return refuse(QStringLiteral("It is not a file"));
    return openFile();
}

FileBytes::FileBytes(QFile& file)
{
    const qint64 size = file.size();
    if (const uchar* mapped = size > 0 ? file.map(0, size) : nullptr) {
        bytes_ = QByteArrayView(reinterpret_cast<const char*>(mapped), size);
    } else {
        copy_ = file.readAll();
        ok_ = file.error() == QFileDevice::NoError;
        bytes_ = copy_;
    }
    if (const auto wide = wideText(bytes_)) {
        const auto text = decodeWide(*wide, bytes_);
        ok_ = ok_ && text;
        copy_ = text ? text->toUtf8() : QByteArray();
        bytes_ = copy_;
        transcoded_ = true;
    }
}

QString DecodeText(const QByteArray& bytes)
{
    if (auto text = decodeFile(bytes))
        return *text;
    // A wide text with a character that does not decode: the characters
    // that do, each other one replaced.
    return QStringDecoder(wideText(bytes)->encoding)(bytes);
}

QString DecodeLine(QByteArrayView bytes) { return decodeLine(bytes); }

std::optional<QString> ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!OpenForReading(file))
        return std::nullopt;
    return decodeFile(file.readAll());
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == '\r' || c == '\n') {
            lines << text.mid(start, i - start);
            i += (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

namespace {
constexpr qint64 kChunkBytes = 16 * 1024;
}

LineReader::LineReader(const QString& path, qint64 maxBytes, LongLines longLines)
    : file_(path), left_(maxBytes < 0 ? -1 : maxBytes), cut_(longLines == LongLines::Cut)
{
    if (!OpenForReading(file_))
        return;
    // The encoding is told once, by the file's start: never by a chunk, which
    // may begin anywhere in it.
    const auto wide = wideText(file_.peek(kEncodingSampleBytes));
    if (!wide) {
        open_ = true;
        return;
    }
    if (left_ > 0)
        left_ *= wide->unit;
    mark_ = wide->mark;
    open_ = decodesThrough(wide->encoding, wide->unit);
    if (open_)
        wide_ = std::make_unique<WideDecoder>(wide->encoding, wide->unit);
}

LineReader::~LineReader() = default;

bool LineReader::decodesThrough(QStringConverter::Encoding encoding, qsizetype unit)
{
    WideDecoder decoder(encoding, unit);
    qint64 left = left_;
    QByteArray chunk;
    for (bool first = true;; first = false) {
        const qint64 want = left < 0 ? kChunkBytes : std::min(left, kChunkBytes);
        chunk.resize(want);
        const qint64 got = want > 0 ? file_.read(chunk.data(), want) : 0;
        if (got <= 0) {
            // At the end of the file every character is whole; at the end of
            // the part to be read one may run on.
            const bool sound = left == 0 ? !decoder.failed() : decoder.wholeAndSound();
            return sound && file_.seek(0);
        }
        if (left > 0)
            left -= got;
        decoder.piece(QByteArrayView(chunk).first(got).sliced(first ? std::min(mark_, got) : 0));
        if (decoder.failed())
            return false;
    }
}

bool LineReader::fill()
{
    if (!open_ || left_ == 0)
        return false;
    const qint64 want = left_ < 0 ? kChunkBytes : std::min(left_, kChunkBytes);
    buffer_.resize(want);
    const qint64 got = file_.read(buffer_.data(), want);
    pos_ = 0;
    if (got <= 0) {
        buffer_.clear();
        left_ = 0;
        return false;
    }
    buffer_.resize(got);
    if (left_ > 0)
        left_ -= got;
    if (!started_) {
        started_ = true;
        if (wide_)
            pos_ = std::min(mark_, got);
        else if (buffer_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }
    if (wide_) {
        // Lines are found in the text's UTF-8, which DecodeLine reads back as it was.
        buffer_ = wide_->piece(QByteArrayView(buffer_).sliced(pos_)).toUtf8();
        pos_ = 0;
        if (wide_->failed()) { // the file changed since it was decoded through
            buffer_.clear();
            left_ = 0;
            return false;
        }
    }
    return pos_ < buffer_.size() || fill();
}

std::optional<QString> LineReader::next()
{
    long_ = false;
    if (lfAfterCr_) {
        lfAfterCr_ = false;
        if (pos_ >= buffer_.size())
            fill();
        if (pos_ < buffer_.size() && buffer_[pos_] == '\n')
            ++pos_;
    }
    QByteArray line; // the start of a line that runs over chunks
    bool any = false;
    for (;;) {
        if (pos_ >= buffer_.size() && !fill()) {
            if (!any)
                return std::nullopt;
            return decodeLine(line);
        }
        any = true;
        const char* data = buffer_.constData();
        const qsizetype n = buffer_.size();
        qsizetype end = pos_;
        while (end < n && data[end] != '\r' && data[end] != '\n')
            ++end;
        QByteArrayView part(data + pos_, end - pos_);
        if (!long_ && line.size() + part.size() > kMaxLineBytes)
            long_ = true;
        if (long_ && cut_) {
            // Only the start of the line is kept; the rest is read past.
            part = part.first(std::min(part.size(), std::max<qsizetype>(kMaxLineBytes - line.size(), 0)));
        }
        if (end == n) {
            line.append(part);
            pos_ = n;
            continue;
        }
        lfAfterCr_ = data[end] == '\r';
        pos_ = end + 1;
        if (line.isEmpty())
            return decodeLine(part);
        line.append(part);
        return decodeLine(line);
    }
}

std::optional<QStringList> ReadFirstLines(const QString& path, int n)
{
    n = std::max(n, 0);
    LineReader reader(path, qint64(n) * (LineReader::kMaxLineBytes + 2));
    if (!reader.isOpen())
        return std::nullopt;
    QStringList lines;
    while (lines.size() < n) {
        auto line = reader.next();
        if (!line)
            break;
        lines << *line;
    }
    return lines;
}

std::optional<QString> ReadFirstLineStart(const QString& path, int maxChars)
{
    QFile file(path);
    if (!OpenForReading(file))
        return std::nullopt;
    // A character takes at most four bytes, after a byte-order mark of at
    // most four.
    const qint64 most = 4 + 4 * qint64(std::max(maxChars, 0));
    const auto wide = wideText(file.peek(kEncodingSampleBytes));
    QByteArray bytes = file.read(most);
    if (wide) {
        // Decoded before the line end is looked for: the bytes of a wide
        // character may be those of a line end. A character cut short by the
        // reading is left out.
        WideDecoder decoder(wide->encoding, wide->unit);
        QString text = decoder.piece(QByteArrayView(bytes).sliced(std::min(wide->mark, bytes.size())));
        if (decoder.failed())
            return std::nullopt;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n') {
                text.truncate(i);
                break;
            }
        }
        return text.left(maxChars);
    }
    qsizetype end = bytes.size();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            end = i;
            break;
        }
    }
    if (end == bytes.size() && bytes.size() == most) {
        // Cut short: leave out a character whose bytes were not all read.
        qsizetype lead = end - 1;
        while (lead > 0 && end - lead < 4 && (static_cast<unsigned char>(bytes[lead]) & 0xC0) == 0x80)
            --lead;
        const auto first = static_cast<unsigned char>(bytes[lead]);
        const qsizetype length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
        if (end - lead < length)
            end = lead;
    }
    bytes.truncate(end);
    return DecodeText(bytes).left(maxChars);
}

std::optional<QStringList> ReadLines(const QString& path)
{
    auto text = ReadTextFile(path);
    if (!text)
        return std::nullopt;
    return SplitLines(*text);
}

namespace {
bool isBlankChar(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// Whether the quote at q closes a quoted field: blanks after it, then a
// comma, a line end or the end of the text.
bool closesField(QStringView text, qsizetype q)
{
    qsizetype i = q + 1;
    while (i < text.size() && isBlankChar(text[i]))
        ++i;
    return i == text.size() || text[i] == u',' || isLineEnd(text[i]);
}
} // namespace

QStringView ScanField(QStringView text, qsizetype& pos, bool* closed)
{
    const qsizetype n = text.size();
    if (closed)
        *closed = true;
    while (pos < n && isBlankChar(text[pos]))
        ++pos;
    if (pos < n && text[pos] == u'"') {
        const qsizetype start = ++pos;
        qsizetype close = -1;
        for (qsizetype i = start; i < n && !isLineEnd(text[i]); ++i) {
            if (text[i] == u'"' && closesField(text, i)) {
                close = i;
                break;
            }
        }
        if (close < 0) {
            // Never past the line: the next line's quotes are its own.
            if (closed)
                *closed = false;
            close = start;
            while (close < n && text[close] != u'"' && !isLineEnd(text[close]))
                ++close;
        }
        const QStringView field = text.sliced(start, close - start);
        pos = close < n && text[close] == u'"' ? close + 1 : close;
        while (pos < n && text[pos] != u',' && !isLineEnd(text[pos]))
            ++pos;
        return field;
    }
    const qsizetype start = pos;
    while (pos < n && text[pos] != u',' && !isLineEnd(text[pos]))
        ++pos;
    return text.sliced(start, pos - start);
}

QStringList SplitFields(const QString& line, bool* closed)
{
    QStringList fields;
    if (closed)
        *closed = true;
    if (line.isEmpty())
        return fields;
    qsizetype pos = 0;
    for (;;) {
        bool fieldClosed = true;
        fields << ScanField(line, pos, &fieldClosed).toString();
        if (closed && !fieldClosed)
            *closed = false;
        if (pos >= line.size() || line[pos] != u',')
            break;
        ++pos; // a comma: another field follows, "a," holds an empty second one
    }
    return fields;
}

std::optional<QString> QuotedField(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLineEnd(text[i]))
            return std::nullopt;
        if (text[i] == u'"') {
            qsizetype j = i + 1;
            while (j < text.size() && isBlankChar(text[j]))
                ++j;
            if (j < text.size() && text[j] == u',')
                return std::nullopt;
        }
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

std::optional<QString> PlainOrQuotedField(const QString& text)
{
    const bool plain = !text.contains(u',') && !text.contains(u'\r') && !text.contains(u'\n')
        && !(text.size() > 0 && (isBlankChar(text[0]) || text[0] == u'"'));
    if (plain)
        return text;
    return QuotedField(text);
}

FieldReader::FieldReader(QString text) : text_(std::move(text)) {}

bool FieldReader::atEnd() const { return pos_ >= text_.size(); }

void FieldReader::skipLineEnd()
{
    if (pos_ < text_.size() && text_[pos_] == '\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
}

QString FieldReader::line()
{
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n')
        ++pos_;
    QString result = text_.mid(start, pos_ - start);
    skipLineEnd();
    return result;
}

QString FieldReader::field()
{
    QString result = ScanField(text_, pos_).toString();
    if (pos_ < text_.size() && text_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
    return result;
}

bool WriteLines(const QString& path, const QStringList& lines, QString* error)
{
    return ReplaceFileContents(path, joinCrLf(lines), error);
}

bool WriteTextFile(const QString& path, const QString& text, QString* error)
{
    return ReplaceFileContents(path, text.toUtf8(), error);
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    return ReplaceFileContents(path, bytes, error);
}

bool AppendLines(const QString& path, const QStringList& lines, QString* error)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        QFile file(path);
        if (!OpenForReading(file, error))
            return false;
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            if (error)
                *error = file.errorString();
            return false;
        }
        if (const auto wide = wideText(bytes)) {
            // The new lines are UTF-8: the text before them goes over to it.
            const auto text = decodeWide(*wide, bytes);
            if (!text) {
                if (error)
                    *error = QStringLiteral("Its text is marked as UTF-16 or UTF-32 but does not decode as such");
                return false;
            }
            bytes = text->toUtf8();
        }
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
            bytes += "\r\n";
    }
    bytes += joinCrLf(lines);
    return ReplaceFileContents(path, bytes, error);
}
