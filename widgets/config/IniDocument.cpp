#include "IniDocument.h"

#include "PhoneQt.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTextCodec>

#include <string.h>

// Every step follows Qt's own INI reader, quirks included.
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
            while (i < end && d[i] != '\n' && (kPhoneQt4Ini || d[i] != '\r'))
                ++i;
            while (!kPhoneQt4Ini && i < end && isSpace(d[i]))
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

IniDocument::Value unescapedValue(const char* d, int from, int to, QTextCodec* codec)
{
    static const char escapes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    IniDocument::Value result;
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
                        chopTrailingBlanks(text, kPhoneQt4Ini ? 0 : chopLimit);
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
            // Qt 4 cuts escaped blanks too.
            if (state == End && (kPhoneQt4Ini || !cutShort) && !quoted)
                chopTrailingBlanks(text, kPhoneQt4Ini ? 0 : chopLimit);
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

QVariant typedText(const QString& s, bool* undecodable)
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
            variants.append(typedText(list.at(j), undecodable));
        return variants;
    }
    return strings;
}

} // namespace

IniDocument::IniDocument(const QByteArray& data) : m_data(data), m_codec(0), m_body(0)
{
    const char* d = data.constData();
    const int n = data.size();
    // After a UTF-8 byte order mark Qt decodes values as UTF-8, else as Latin-1; the mark
    // itself stays part of the first line before any header.
    if (!kPhoneQt4Ini && n >= 3 && uchar(d[0]) == 0xef && uchar(d[1]) == 0xbb && uchar(d[2]) == 0xbf) {
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

const QByteArray& IniDocument::data() const
{
    return m_data;
}

QTextCodec* IniDocument::codec() const
{
    return m_codec;
}

int IniDocument::body() const
{
    return m_body;
}

int IniDocument::chunkCount() const
{
    return m_chunks.size();
}

const IniDocument::Chunk& IniDocument::chunk(int i) const
{
    return m_chunks.at(i);
}

const QList<int>* IniDocument::sectionFor(const QString& key) const
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

const IniDocument::Entry* IniDocument::find(const QString& key) const
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

QMap<QString, const IniDocument::Entry*> IniDocument::effective() const
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

QByteArray IniDocument::valueBytes(const Entry& entry) const
{
    return m_data.mid(entry.equals + 1, entry.end - entry.equals - 1);
}

IniDocument::Value IniDocument::decoded(const Entry& entry) const
{
    return unescapedValue(m_data.constData(), entry.equals + 1, entry.end, m_codec);
}

const IniDocument::Entry* IniDocument::lastEntry(const QList<int>& section) const
{
    for (int c = section.size() - 1; c >= 0; --c)
        if (!m_chunks.at(section.at(c)).entries.isEmpty())
            return &m_chunks.at(section.at(c)).entries.last();
    return 0;
}

void IniDocument::addChunk(Chunk& chunk)
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

IniDocument::Value IniDocument::decodedValue(const QByteArray& bytes, QTextCodec* codec)
{
    return unescapedValue(bytes.constData(), 0, bytes.size(), codec);
}

QVariant IniDocument::typed(const Value& value, bool* undecodable)
{
    *undecodable = false;
    return value.isList ? typedList(value.items, undecodable) : typedText(value.text, undecodable);
}

QString IniDocument::normalizedKey(const QString& key)
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

