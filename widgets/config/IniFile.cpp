#include "IniFile.h"

#include "IniDocument.h"
#include "PhoneQt.h"
#include "SharedFile.h"

#include <QDataStream>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace {

typedef IniDocument::Entry Entry;

// Writing, in QSettings' INI encoding.

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
    const char* prefix = "@Variant(";
    stream.setVersion(QDataStream::Qt_4_0);
    if (v.type() == QVariant::DateTime)
        prefix = phoneSettingsDateTime(stream);
    stream << v;
    if (stream.status() != QDataStream::Ok)
        return false;
    *text = QLatin1String(prefix) + QString::fromLatin1(bytes.constData(), bytes.size()) + QLatin1Char(')');
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

// Edits that keep every other byte.

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

QByteArray appendedSection(const IniDocument& doc, const QString& name, const QByteArray& line,
                           QByteArray lineBreak = QByteArray())
{
    const QByteArray& d = doc.data();
    if (lineBreak.isEmpty())
        lineBreak = fileLineBreak(d);
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
bool keepsOthers(const IniDocument& before, const IniDocument& after, const QString& key,
                 const QByteArray& encoded)
{
    const IniDocument::Value wanted = IniDocument::decodedValue(encoded, after.codec());
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
    SharedFile::read(m_path, MaxSize, &m_content, &m_error);
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
    // What the file holds after the save, or, when it fails, what it held under the lock.
    QByteArray before, after;
    bool read = false;
    const bool saved = SharedFile::update(m_path, MaxSize, [&](QByteArray& content, QString* error) -> bool {
        before = content;
        read = true;
        if (!setValueIn(content, key, value, error))
            return false;
        after = content;
        return true;
    }, &m_error);
    m_content = saved ? after : before;
    m_loaded = read;
    return saved;
}

QVariant IniFile::valueIn(const QByteArray& content, const QString& key, const QVariant& defaultValue)
{
    const QString k = IniDocument::normalizedKey(key);
    const IniDocument doc(content);
    const Entry* entry = k.isEmpty() ? 0 : doc.find(k);
    if (!entry)
        return defaultValue;
    bool undecodable = false;
    const QVariant result = IniDocument::typed(doc.decoded(*entry), &undecodable);
    return undecodable ? defaultValue : result;
}

bool IniFile::setValueIn(QByteArray& content, const QString& key, const QVariant& value, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    error->clear();
    const QString k = IniDocument::normalizedKey(key);
    QByteArray encoded;
    if (k.isEmpty()) {
        *error = QLatin1String("empty key");
        return false;
    }
    if (!encodedValue(value, encoded)) {
        *error = QLatin1String("unsupported value type");
        return false;
    }

    const IniDocument before(content);
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
            const IniDocument::Chunk& chunk = before.chunk(section->last());
            if (last)
                candidates << insertedAfter(content, last->end, line);
            else if (chunk.header >= 0)
                candidates << insertedAfter(content, chunk.begin, line);
            else
                candidates << QByteArray(content).insert(before.body(), line + fileLineBreak(content));
        }
        candidates << appendedSection(before, name, line);
        // After a last line that ends in no '\n' Qt 4's comment would run on: a '\n' ends it.
        if (fileLineBreak(content) != "\n")
            candidates << appendedSection(before, name, line, "\n");
    }
    for (int i = 0; i < candidates.size(); ++i) {
        if (keepsOthers(before, IniDocument(candidates.at(i)), k, encoded)) {
            content = candidates.at(i);
            return true;
        }
    }
    *error = QLatin1String("the key cannot be written without changing others");
    return false;
}
