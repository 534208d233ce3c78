#include "IniFile.h"

#include "RegularFile.h"

#include <QDataStream>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>
#include <QVector>

#include <string.h>

// The reading side follows Qt's own INI reader step by step, quirks included, so that what
// this class reads and where it writes is what QSettings sees.
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

struct Line {
    int start;
    int length;
    int equals;  // first '=' outside quotes, or -1
};

// Cuts the next logical line from pos: leading white space and ';' comment lines are skipped,
// quotes and backslashes carry a line over a line break, a ';' outside quotes ends it.
bool nextLine(const char* d, int end, int& pos, Line& line)
{
    bool quoted = false;
    line.equals = -1;
    int start = pos;
    while (start < end && isSpace(d[start]))
        ++start;
    int i = start;
    while (i < end) {
        const char ch = d[i++];
        if (!isSpecial(ch))
            continue;
        if (ch == '=') {
            if (!quoted && line.equals < 0)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < end) {
                const char next = d[i++];
                if (i < end && ((next == '\n' && d[i] == '\r') || (next == '\r' && d[i] == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (i == start + 1) {  // ';' opening a line: a comment
            while (i < end && d[i] != '\n' && d[i] != '\r')
                ++i;
            while (i < end && isSpace(d[i]))
                ++i;
            start = i;
        } else if (!quoted) {  // ';' after text ends the line
            --i;
            break;
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// "%XX" and "%UXXXX" escapes, '\' for '/', every other byte as Latin-1.
QString unescapedKey(const QByteArray& data, int from, int to)
{
    QString result;
    int i = from;
    while (i < to) {
        const int ch = uchar(data.at(i));
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            result += QLatin1Char(char(ch));
            ++i;
            continue;
        }
        int first = i + 1;
        int digits = 2;
        if (data.at(first) == 'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const int code = first + digits > to ? 0 : data.mid(first, digits).toInt(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// A value as QSettings decodes it before typing it: one text, or a list when it holds a comma
// outside quotes.
struct Decoded {
    bool isList;
    QString text;
    QStringList items;
    bool operator==(const Decoded& other) const
    {
        return isList == other.isList && text == other.text && items == other.items;
    }
};

void chopTrailingBlanks(QString& text, int limit)
{
    int n = text.size() - 1;
    while (n >= limit && (text.at(n) == QLatin1Char(' ') || text.at(n) == QLatin1Char('\t')))
        text.truncate(n--);
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

Decoded unescapedValue(const char* d, int from, int to, QTextCodec* codec)
{
    static const char escapes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    Decoded result;
    result.isList = false;
    QString& text = result.text;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    int chopLimit = 0;
    enum { SkipBlanks, Normal, Hex, Octal, End } state = SkipBlanks;
    ushort code = 0;
    while (state != End) {
        if (state == SkipBlanks) {
            while (i < to && (d[i] == ' ' || d[i] == '\t'))
                ++i;
            state = Normal;
        } else if (state == Normal) {
            chopLimit = text.size();
            state = End;
            bool cutShort = false;  // a value ending in a lone '\\' or "\\x" keeps its blanks
            while (i < to && state == End && !cutShort) {
                const char ch = d[i];
                if (ch == '\\') {
                    if (++i >= to) {
                        cutShort = true;
                        break;
                    }
                    const char escaped = d[i++];
                    const char* known = escaped ? strchr(escapes, escaped) : 0;
                    if (known && (known - escapes) % 2 == 0) {
                        text += QLatin1Char(known[1]);
                        state = Normal;
                    } else if (escaped == 'x') {
                        if (i >= to)
                            cutShort = true;
                        else if (isHexDigit(d[i]))
                            state = Hex;
                        code = 0;
                    } else if (escaped >= '0' && escaped <= '7') {
                        code = ushort(escaped - '0');
                        state = Octal;
                    } else if ((escaped == '\n' || escaped == '\r') && i < to
                               && (d[i] == '\n' || d[i] == '\r') && d[i] != escaped) {
                        ++i;
                    }
                    if (state == End)
                        chopLimit = text.size();
                } else if (ch == '"') {
                    ++i;
                    quoted = true;
                    inQuotes = !inQuotes;
                    if (!inQuotes)
                        state = SkipBlanks;
                } else if (ch == ',' && !inQuotes) {
                    if (!quoted)
                        chopTrailingBlanks(text, chopLimit);
                    if (!result.isList) {
                        result.isList = true;
                        result.items.clear();
                    }
                    result.items.append(text);
                    text.clear();
                    quoted = false;
                    ++i;
                    state = SkipBlanks;
                } else {
                    int j = i + 1;
                    while (j < to && d[j] != '\\' && d[j] != '"' && d[j] != ',')
                        ++j;
                    text += codec ? codec->toUnicode(d + i, j - i) : QString::fromLatin1(d + i, j - i);
                    i = j;
                }
            }
            if (state == End && !cutShort && !quoted)
                chopTrailingBlanks(text, chopLimit);
        } else {  // Hex, Octal
            const int base = state == Hex ? 16 : 8;
            int digit = -1;
            if (i < to) {
                char ch = d[i];
                if (ch >= 'a')
                    ch = char(ch - ('a' - 'A'));
                if (ch >= '0' && ch <= '9')
                    digit = ch - '0';
                else if (ch >= 'A' && ch <= 'F')
                    digit = ch - 'A' + 10;
                if (digit >= base)
                    digit = -1;
            }
            if (digit < 0) {
                text += QChar(code);
                state = i < to ? Normal : End;
            } else {
                code = ushort(code * base + digit);
                ++i;
            }
        }
    }
    if (result.isList)
        result.items.append(text);
    return result;
}

// Splits "@Rect(1 2 3 4)" after the opening parenthesis at idx.
QStringList splitArgs(const QString& s, int idx)
{
    QStringList result;
    QString item;
    for (++idx; idx < s.size(); ++idx) {
        const QChar c = s.at(idx);
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

QVariant typed(const QString& s, bool* undecodable)
{
    if (!s.startsWith(QLatin1Char('@')))
        return QVariant(s);
    if (s.endsWith(QLatin1Char(')'))) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return QVariant(s.mid(11, s.size() - 12).toLatin1());
        if (s.startsWith(QLatin1String("@String(")))
            return QVariant(s.mid(8, s.size() - 9));
        if (s.startsWith(QLatin1String("@Variant(")) || s.startsWith(QLatin1String("@DateTime("))) {
            *undecodable = true;
            return QVariant();
        }
        if (s.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = splitArgs(s, 5);
            if (a.size() == 4)
                return QVariant(QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()));
        } else if (s.startsWith(QLatin1String("@Size("))) {
            const QStringList a = splitArgs(s, 5);
            if (a.size() == 2)
                return QVariant(QSize(a[0].toInt(), a[1].toInt()));
        } else if (s.startsWith(QLatin1String("@Point("))) {
            const QStringList a = splitArgs(s, 6);
            if (a.size() == 2)
                return QVariant(QPoint(a[0].toInt(), a[1].toInt()));
        } else if (s == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (s.startsWith(QLatin1String("@@")))
        return QVariant(s.mid(1));
    return QVariant(s);
}

QVariant typedList(const QStringList& list, bool* undecodable)
{
    QStringList strings = list;
    for (int i = 0; i < strings.size(); ++i) {
        if (!strings.at(i).startsWith(QLatin1Char('@')))
            continue;
        if (strings.at(i).size() >= 2 && strings.at(i).at(1) == QLatin1Char('@')) {
            strings[i].remove(0, 1);
            continue;
        }
        QVariantList variants;
        for (int j = 0; j < list.size(); ++j)
            variants.append(typed(list.at(j), undecodable));
        return variants;
    }
    return strings;
}

// ---- Writing, in QSettings' INI encoding ----

const char hexDigits[] = "0123456789ABCDEF";

void escapedKey(const QString& key, QByteArray& out)
{
    for (int i = 0; i < key.size(); ++i) {
        uint ch = key.at(i).unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')
                   || ch == '_' || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hexDigits[ch / 16];
            out += hexDigits[ch % 16];
        } else {
            out += "%U";
            out += hexDigits[(ch >> 12) & 15];
            out += hexDigits[(ch >> 8) & 15];
            out += hexDigits[(ch >> 4) & 15];
            out += hexDigits[ch & 15];
        }
    }
}

void escapedString(const QString& s, QByteArray& out)
{
    const int begin = out.size();
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (int i = 0; i < s.size(); ++i) {
        const uint ch = s.at(i).unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && ch < 0x80 && isxdigit(int(ch))) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0': out += "\\0"; escapeNextIfDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (begin < out.size() && (out.at(begin) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(begin, '"');
        out += '"';
    }
}

bool variantText(const QVariant& v, QString* text)
{
    switch (v.type()) {
    case QVariant::Invalid:
        *text = QLatin1String("@Invalid()");
        return true;
    case QVariant::ByteArray: {
        const QByteArray bytes = v.toByteArray();
        *text = QLatin1String("@ByteArray(") + QString::fromLatin1(bytes.constData(), bytes.size())
                + QLatin1Char(')');
        return true;
    }
    case QVariant::String:
    case QVariant::LongLong:
    case QVariant::ULongLong:
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::Bool:
    case QVariant::Double:
    case QVariant::KeySequence:
        *text = v.toString();
        if (text->contains(QChar(0)))
            *text = QLatin1String("@String(") + *text + QLatin1Char(')');
        else if (text->startsWith(QLatin1Char('@')))
            text->prepend(QLatin1Char('@'));
        return true;
    case QVariant::Rect: {
        const QRect r = v.toRect();
        *text = QString::fromLatin1("@Rect(%1 %2 %3 %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        return true;
    }
    case QVariant::Size:
        *text = QString::fromLatin1("@Size(%1 %2)").arg(v.toSize().width()).arg(v.toSize().height());
        return true;
    case QVariant::Point:
        *text = QString::fromLatin1("@Point(%1 %2)").arg(v.toPoint().x()).arg(v.toPoint().y());
        return true;
    default:
        break;
    }
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    const char* spec = "@Variant(";
#if QT_VERSION >= 0x050600
    if (v.type() == QVariant::DateTime) {
        stream.setVersion(QDataStream::Qt_5_6);
        spec = "@DateTime(";
    } else
#endif
    {
        stream.setVersion(QDataStream::Qt_4_0);
    }
    stream << v;
    if (stream.status() != QDataStream::Ok)
        return false;
    *text = QLatin1String(spec) + QString::fromLatin1(bytes.constData(), bytes.size()) + QLatin1Char(')');
    return true;
}

bool encodedValue(const QVariant& v, QByteArray& out)
{
    if (v.type() != QVariant::StringList && (v.type() != QVariant::List || v.toList().size() == 1)) {
        QString text;
        if (!variantText(v, &text))
            return false;
        escapedString(text, out);
        return true;
    }
    const QVariantList items = v.toList();
    if (items.isEmpty())
        out += "@Invalid()";
    for (int i = 0; i < items.size(); ++i) {
        QString text;
        if (!variantText(items.at(i), &text))
            return false;
        if (i != 0)
            out += ", ";
        escapedString(text, out);
    }
    return true;
}

// "/a//b/" is "a/b".
QString normalizedKey(const QString& key)
{
    QString result;
    result.reserve(key.size());
    for (int i = 0; i < key.size(); ++i) {
        if (key.at(i) != QLatin1Char('/'))
            result += key.at(i);
        else if (!result.isEmpty() && !result.endsWith(QLatin1Char('/')))
            result += QLatin1Char('/');
    }
    if (result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

// ---- The file as Qt's reader sees it ----

struct Entry {
    int start;
    int end;     // of the logical line
    int equals;
    QString key;  // section name and key: "NTP_Serv/User_Set"
};

// The lines under one group header, or before the first header (header -1).
struct Chunk {
    QString name;  // "NTP_Serv/", or empty for keys outside any group and [General]
    int header;
    int begin;     // the header's line ends here
    int end;
    QVector<Entry> entries;
};

class Document
{
public:
    explicit Document(const QByteArray& data) : m_data(data), m_codec(0), m_body(0)
    {
        const char* d = data.constData();
        const int n = data.size();
        // After a UTF-8 byte order mark Qt decodes values as UTF-8, else as Latin-1; the mark
        // itself stays part of the first line before any header.
        if (n >= 3 && uchar(d[0]) == 0xef && uchar(d[1]) == 0xbb && uchar(d[2]) == 0xbf) {
            m_codec = QTextCodec::codecForName("UTF-8");
            m_body = 3;
        }
        Chunk chunk;
        chunk.header = -1;
        chunk.begin = 0;
        int pos = m_body;
        Line line;
        while (nextLine(d, n, pos, line)) {
            if (d[line.start] != '[')
                continue;
            chunk.end = line.start;
            addChunk(chunk);
            int close = data.indexOf(']', line.start);
            if (close < 0 || close >= line.start + line.length)
                close = line.start + line.length;
            const QByteArray name = data.mid(line.start + 1, close - line.start - 1).trimmed();
            chunk.header = line.start;
            chunk.begin = pos;
            if (name.size() == 7 && qstrnicmp(name.constData(), "general", 7) == 0)
                chunk.name.clear();
            else if (name.size() == 8 && qstrnicmp(name.constData(), "%general", 8) == 0)
                chunk.name = QString::fromLatin1(name.constData() + 1, 7) + QLatin1Char('/');
            else
                chunk.name = unescapedKey(name, 0, name.size()) + QLatin1Char('/');
        }
        chunk.end = n;
        addChunk(chunk);
    }

    const QByteArray& data() const { return m_data; }
    QTextCodec* codec() const { return m_codec; }
    int body() const { return m_body; }
    int chunkCount() const { return m_chunks.size(); }
    const Chunk& chunk(int i) const { return m_chunks.at(i); }

    // The chunks a new QSettings reads to look a key up: it parses only the section with the
    // greatest name not above the key, and only if the key begins with that name; keys
    // without '/' live in the unnamed section. Null when the key cannot be found at all.
    const QList<int>* sectionFor(const QString& key) const
    {
        QMap<QString, QList<int> >::const_iterator it;
        if (!key.contains(QLatin1Char('/'))) {
            it = m_sections.constFind(QString());
            return it == m_sections.constEnd() ? 0 : &it.value();
        }
        it = m_sections.upperBound(key);
        if (it == m_sections.constBegin())
            return 0;
        --it;
        return it.key().isEmpty() || !key.startsWith(it.key()) ? 0 : &it.value();
    }

    // The line a new QSettings takes the key's value from: the last one in its section.
    const Entry* find(const QString& key) const
    {
        const QList<int>* section = sectionFor(key);
        const Entry* found = 0;
        for (int c = 0; section && c < section->size(); ++c) {
            const QVector<Entry>& entries = m_chunks.at(section->at(c)).entries;
            for (int e = 0; e < entries.size(); ++e)
                if (entries.at(e).key == key)
                    found = &entries.at(e);
        }
        return found;
    }

    // Every key's line once all sections are read (QSettings::allKeys()): sections in name
    // order, later lines winning.
    QMap<QString, const Entry*> effective() const
    {
        QMap<QString, const Entry*> result;
        QMap<QString, QList<int> >::const_iterator it = m_sections.constBegin();
        for (; it != m_sections.constEnd(); ++it)
            for (int c = 0; c < it.value().size(); ++c) {
                const QVector<Entry>& entries = m_chunks.at(it.value().at(c)).entries;
                for (int e = 0; e < entries.size(); ++e)
                    result.insert(entries.at(e).key, &entries.at(e));
            }
        return result;
    }

    QByteArray valueBytes(const Entry& entry) const
    {
        return m_data.mid(entry.equals + 1, entry.end - entry.equals - 1);
    }

    Decoded decoded(const Entry& entry) const
    {
        return unescapedValue(m_data.constData(), entry.equals + 1, entry.end, m_codec);
    }

    // The last entry of a section in file order, or null.
    const Entry* lastEntry(const QList<int>& section) const
    {
        for (int c = section.size() - 1; c >= 0; --c)
            if (!m_chunks.at(section.at(c)).entries.isEmpty())
                return &m_chunks.at(section.at(c)).entries.last();
        return 0;
    }

private:
    void addChunk(Chunk& chunk)
    {
        const char* d = m_data.constData();
        int pos = chunk.begin;
        Line line;
        while (nextLine(d, chunk.end, pos, line)) {
            if (line.equals < 0)
                continue;
            int keyEnd = line.equals;
            while (keyEnd > line.start && (d[keyEnd - 1] == ' ' || d[keyEnd - 1] == '\t'))
                --keyEnd;
            Entry entry;
            entry.start = line.start;
            entry.end = line.start + line.length;
            entry.equals = line.equals;
            entry.key = chunk.name + unescapedKey(m_data, line.start, keyEnd);
            chunk.entries.append(entry);
        }
        m_sections[chunk.name].append(m_chunks.size());
        m_chunks.append(chunk);
        chunk.entries.clear();
    }

    QByteArray m_data;
    QTextCodec* m_codec;
    int m_body;
    QVector<Chunk> m_chunks;
    QMap<QString, QList<int> > m_sections;
};

// ---- Edits that keep every other byte ----

QByteArray lineBreakAt(const QByteArray& d, int pos)
{
    if (pos >= d.size())
        return QByteArray();
    if (d.at(pos) == '\r')
        return pos + 1 < d.size() && d.at(pos + 1) == '\n' ? QByteArray("\r\n") : QByteArray("\r");
    return d.at(pos) == '\n' ? QByteArray("\n") : QByteArray();
}

// The file's own line break: its first one, "\n" in a file without any.
QByteArray fileLineBreak(const QByteArray& d)
{
    for (int i = 0; i < d.size(); ++i)
        if (d.at(i) == '\n' || d.at(i) == '\r')
            return lineBreakAt(d, i);
    return "\n";
}

// A new line after the physical line holding position at (the end of a logical line).
QByteArray insertedAfter(const QByteArray& d, int at, const QByteArray& line)
{
    while (at < d.size() && d.at(at) != '\n' && d.at(at) != '\r')
        ++at;
    const QByteArray lineBreak = lineBreakAt(d, at);
    if (lineBreak.isEmpty())  // the last line has no line break: neither has the new one
        return d + fileLineBreak(d) + line;
    QByteArray result = d;
    return result.insert(at + lineBreak.size(), line + lineBreak);
}

QByteArray appendedSection(const Document& doc, const QString& name, const QByteArray& line)
{
    const QByteArray& d = doc.data();
    const QByteArray lineBreak = fileLineBreak(d);
    const bool hasBody = d.size() > doc.body();
    const bool endsWithBreak = hasBody && (d.endsWith('\n') || d.endsWith('\r'));
    QByteArray header;
    escapedKey(name.left(name.size() - 1), header);
    if (header.isEmpty())
        header = "General";
    else if (header.size() == 7 && qstrnicmp(header.constData(), "general", 7) == 0)
        header.prepend('%');
    QByteArray result = d;
    if (hasBody && !endsWithBreak)
        result += lineBreak;
    if (hasBody)
        result += lineBreak;  // a blank line between groups, as QSettings writes them
    result += '[' + header + ']' + lineBreak + line;
    if (endsWithBreak || !hasBody)
        result += lineBreak;
    return result;
}

QByteArray replacedValue(const QByteArray& d, const Entry& entry, const QByteArray& encoded)
{
    int from = entry.equals + 1;
    while (from < entry.end && (d.at(from) == ' ' || d.at(from) == '\t'))
        ++from;
    int to = entry.end;
    while (to > from && (d.at(to - 1) == ' ' || d.at(to - 1) == '\t'))
        --to;
    QByteArray result = d;
    return result.replace(from, to - from, encoded);
}

// Whether a new QSettings reads key as encoded from after, and every other key as from before.
bool keepsOthers(const Document& before, const Document& after, const QString& key,
                 const QByteArray& encoded)
{
    const Decoded wanted = unescapedValue(encoded.constData(), 0, encoded.size(), after.codec());
    const Entry* written = after.find(key);
    if (before.codec() != after.codec() || !written || !(after.decoded(*written) == wanted))
        return false;
    QMap<QString, const Entry*> old = before.effective();
    QMap<QString, const Entry*> now = after.effective();
    const Entry* all = now.take(key);
    old.remove(key);
    if (!all || !(after.decoded(*all) == wanted) || old.size() != now.size())
        return false;
    QMap<QString, const Entry*>::const_iterator o = old.constBegin();
    QMap<QString, const Entry*>::const_iterator n = now.constBegin();
    for (; o != old.constEnd(); ++o, ++n)
        if (o.key() != n.key() || before.valueBytes(*o.value()) != after.valueBytes(*n.value()))
            return false;
    return true;
}

} // namespace

IniFile::IniFile(const QString& path) : m_path(path), m_loaded(false) {}

QString IniFile::fileName() const
{
    return m_path;
}

QString IniFile::errorString() const
{
    return m_error;
}

void IniFile::load() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    RegularFile::read(m_path, MaxSize, &m_content, &m_error);
}

QVariant IniFile::value(const QString& key, const QVariant& defaultValue) const
{
    load();
    return valueIn(m_content, key, defaultValue);
}

bool IniFile::setValue(const QString& key, const QVariant& value)
{
    m_loaded = false;
    m_content.clear();
    QByteArray content;
    if (RegularFile::read(m_path, MaxSize, &content, &m_error) == RegularFile::Refused)
        return false;
    if (m_path.isEmpty()) {
        m_error = QLatin1String("no file name");
        return false;
    }
    QByteArray edited = content;
    if (!setValueIn(edited, key, value, &m_error))
        return false;
    // The same bytes again: nothing to write.
    if (edited != content && !RegularFile::replace(m_path, edited, &m_error))
        return false;
    m_content = edited;
    m_loaded = true;
    return true;
}

QVariant IniFile::valueIn(const QByteArray& content, const QString& key, const QVariant& defaultValue)
{
    const QString k = normalizedKey(key);
    const Document doc(content);
    const Entry* entry = k.isEmpty() ? 0 : doc.find(k);
    if (!entry)
        return defaultValue;
    const Decoded value = doc.decoded(*entry);
    bool undecodable = false;
    const QVariant result = value.isList ? typedList(value.items, &undecodable) : typed(value.text, &undecodable);
    return undecodable ? defaultValue : result;
}

bool IniFile::setValueIn(QByteArray& content, const QString& key, const QVariant& value, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    error->clear();
    const QString k = normalizedKey(key);
    QByteArray encoded;
    if (k.isEmpty()) {
        *error = QLatin1String("empty key");
        return false;
    }
    if (!encodedValue(value, encoded)) {
        *error = QLatin1String("unsupported value type");
        return false;
    }

    const Document before(content);
    QList<QByteArray> candidates;
    if (const Entry* entry = before.find(k)) {
        candidates << replacedValue(content, *entry, encoded);
    } else {
        const QList<int>* section = before.sectionFor(k);
        const int slash = k.indexOf(QLatin1Char('/'));
        const QString name = section ? before.chunk(section->first()).name
                                     : (slash < 0 ? QString() : k.left(slash + 1));
        QByteArray line;
        escapedKey(k.mid(name.size()), line);
        line += '=' + encoded;
        if (section) {
            const Entry* last = before.lastEntry(*section);
            const Chunk& chunk = before.chunk(section->last());
            if (last)
                candidates << insertedAfter(content, last->end, line);
            else if (chunk.header >= 0)
                candidates << insertedAfter(content, chunk.begin, line);
            else
                candidates << QByteArray(content).insert(before.body(), line + fileLineBreak(content));
        }
        candidates << appendedSection(before, name, line);
    }
    for (int i = 0; i < candidates.size(); ++i) {
        if (keepsOthers(before, Document(candidates.at(i)), k, encoded)) {
            content = candidates.at(i);
            return true;
        }
    }
    *error = QLatin1String("the key cannot be written without changing others");
    return false;
}
