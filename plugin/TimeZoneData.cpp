#include "TimeZoneData.h"

#include "PhoneQt.h"
#include "RegularFile.h"

#include <QDebug>
#include <QPair>
#include <QTextCodec>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

// The first position from "from" on where u holds c, or length: four characters at a time
// where the lanes of a 64-bit word are in memory order.
inline int find(const ushort* u, int from, int length, ushort c)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN && defined(__GNUC__)
    const quint64 pattern = 0x0001000100010001ull * c;
    for (; from + 4 <= length; from += 4) {
        quint64 w;
        memcpy(&w, u + from, sizeof(w));
        const quint64 x = w ^ pattern;
        const quint64 zero = (x - 0x0001000100010001ull) & ~x & 0x8000800080008000ull;
        if (zero)
            return from + __builtin_ctzll(zero) / 16;
    }
#endif
    while (from < length && u[from] != c)
        ++from;
    return from;
}

// Whitespace as QString::trimmed() sees it.
inline bool isSpace(ushort c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || (c >= 0x80 && QChar(c).isSpace());
}

// Equal strings of a table (country codes, regions, comments; whole lines when a table
// repeats) are kept once: the strings made so far, found by their hash (open addressing).
class StringPool
{
public:
    StringPool() : m_mask(255) { m_table.fill(-1, 256); }

    // The number of the pooled string equal to the n characters at p, made on first sight.
    int take(const QChar* p, int n)
    {
        const ushort* u = reinterpret_cast<const ushort*>(p);
        const uint h = hash(u, n);
        const int* table = m_table.constData();
        int i = int(h) & m_mask;
        for (int id; (id = table[i]) >= 0; i = (i + 1) & m_mask) {
            if (m_hashes.at(id) == h && equal(m_texts.at(id), u, n))
                return id;
        }
        const int id = m_texts.size();
        m_texts.append(QString(p, n));
        m_hashes.append(h);
        if (2 * m_texts.size() > m_table.size())
            rehash();
        else
            m_table[i] = id;
        return id;
    }

    const QString& text(int id) const { return m_texts.at(id); }
    int size() const { return m_texts.size(); }

private:
    // Four characters at a time.
    static uint hash(const ushort* u, int n)
    {
        quint64 h = quint64(n) * 0x9E3779B97F4A7C15ull;
        int i = 0;
        for (; i + 4 <= n; i += 4) {
            quint64 w;
            memcpy(&w, u + i, sizeof(w));
            h = (h ^ w) * 0x9E3779B97F4A7C15ull;
            h = (h << 31) | (h >> 33);
        }
        for (; i < n; ++i)
            h = (h ^ u[i]) * 0x9E3779B97F4A7C15ull;
        h *= 0xFF51AFD7ED558CCDull;
        return uint(h >> 32);
    }

    static bool equal(const QString& text, const ushort* u, int n)
    {
        return text.size() == n && memcmp(text.constData(), u, size_t(n) * sizeof(ushort)) == 0;
    }

    void rehash()
    {
        m_table.fill(-1, m_table.size() * 2);
        m_mask = m_table.size() - 1;
        int* table = m_table.data();
        for (int id = 0; id < m_texts.size(); ++id) {
            int i = int(m_hashes.at(id)) & m_mask;
            while (table[i] >= 0)
                i = (i + 1) & m_mask;
            table[i] = id;
        }
    }

    QVector<int> m_table;
    int m_mask;
    QVector<QString> m_texts;
    QVector<uint> m_hashes;
};

// A piece of a line as fromLine() stores it: the pooled copy when a pool is given.
inline QString piece(const QChar* p, int n, StringPool* pool)
{
    if (n == 0 || !pool)
        return QString(p, n);
    return pool->text(pool->take(p, n));
}

// Cuts one line into a new record: pieces between occurrences of two spaces, trimmed,
// empty ones skipped; the third is the zone, cut at its first "/". With regions given, the
// region is pooled there and *region gets its slot.
TimeZoneData* parseLine(const QChar* line, int length, StringPool* pool, StringPool* regions,
                        int* region)
{
    TimeZoneData* record = new TimeZoneData;
    if (region)
        *region = -1;
    int field = 0;
    int from = 0;
    const ushort* u = reinterpret_cast<const ushort*>(line);
    while (from <= length && field < 5) {
        // The next two spaces from here, or the line's end.
        int to = from;
        for (;;) {
            to = find(u, to, length, ' ');
            if (to + 1 >= length) {
                to = length;
                break;
            }
            if (u[to + 1] == ' ')
                break;
            to += 2;
        }
        int begin = from;
        int end = to;
        from = to + 2;
        while (begin < end && isSpace(line[begin].unicode()))
            ++begin;
        while (end > begin && isSpace(line[end - 1].unicode()))
            --end;
        if (begin == end)
            continue;
        const QChar* p = line + begin;
        const int n = end - begin;
        switch (++field) {
        case 1: record->field1 = piece(p, n, pool); break;
        case 2: record->field2 = piece(p, n, pool); break;
        case 3: {
            int slash = 0;
            while (slash < n && p[slash].unicode() != '/')
                ++slash;
            const int regionLength = slash;
            if (regions && regionLength > 0) {
                *region = regions->take(p, regionLength);
                record->region = regions->text(*region);
            } else {
                record->region = QString(p, regionLength);
            }
            if (slash < n)
                record->city = piece(p + slash + 1, n - slash - 1, pool);
            break;
        }
        case 4: record->field4 = piece(p, n, pool); break;
        case 5: record->field5 = piece(p, n, pool); break;
        }
    }
    return record;
}

} // namespace

TimeZoneData* TimeZoneData::fromLine(const QString& line)
{
    return parseLine(line.constData(), line.size(), 0, 0, 0);
}

TimeZoneData* TimeZoneData::fromLine(const QStringRef& line)
{
    return parseLine(line.unicode(), line.size(), 0, 0, 0);
}

QString TimeZoneData::tablePath()
{
    const QByteArray overridden = qgetenv("PHONE_TIMEZONE_TAB");
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
    return QLatin1String("/etc/configs/phone/timezone.tab");
}

void TimeZoneData::load(const QString& path, QList<TimeZoneData*>& records,
                        QMap<QString, int>& regionIndex, QList<QString>& regions)
{
    QByteArray content;
    QString error;
    if (RegularFile::read(path, MaxTableSize, &content, &error) == RegularFile::Refused)
        qWarning() << "TimeZoneData::load unreadable:" << path << error;
    parse(content, records, regionIndex, regions);
}

namespace {

// What one parse() builds besides the records: the pooled strings and, per region, the
// indices of its new records. The empty region (a line without a zone, or one starting with
// "/") is kept apart, as the first string of its kind seen.
struct TableBuilder
{
    QList<TimeZoneData*>& records;
    StringPool strings;
    StringPool regions;
    QVector<QVector<int> > regionRows;
    QString emptyRegion;
    QVector<int> emptyRows;
    bool hasEmpty = false;

    explicit TableBuilder(QList<TimeZoneData*>& records) : records(records) {}

    void add(const QChar* line, int length)
    {
        int slot;
        TimeZoneData* record = parseLine(line, length, &strings, &regions, &slot);
        const int index = records.size();
        records.append(record);
        if (slot >= 0) {
            if (slot == regionRows.size())
                regionRows.append(QVector<int>());
            regionRows[slot].append(index);
        } else {
            if (!hasEmpty) {
                emptyRegion = record->region;
                hasEmpty = true;
            } else {
                record->region = emptyRegion;
            }
            emptyRows.append(index);
        }
    }

    // Lines end at LF, CR or CRLF.
    void addLines(const QString& text)
    {
        const QChar* data = text.constData();
        const int size = text.size();
        const bool plain = !text.contains(QLatin1Char('\r'));
        for (int from = 0; from < size;) {
            int end = from;
            if (plain) {
                end = find(reinterpret_cast<const ushort*>(data), from, size, '\n');
            } else {
                while (end < size && data[end].unicode() != '\n' && data[end].unicode() != '\r')
                    ++end;
            }
            add(data + from, end - from);
            from = end + 1;
            if (end + 1 < size && data[end].unicode() == '\r' && data[end + 1].unicode() == '\n')
                ++from;
        }
    }
};

} // namespace

void TimeZoneData::parse(const QByteArray& content, QList<TimeZoneData*>& records,
                         QMap<QString, int>& regionIndex, QList<QString>& regions)
{
    TableBuilder table(records);
    // Decoded at once when all of it is UTF-8 (the usual case), else line by line.
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState whole;
    const QString text = utf8->toUnicode(content.constData(), content.size(), &whole);
    if (whole.invalidChars == 0 && whole.remainingChars == 0) {
        table.addLines(text);
    } else {
        for (int from = 0; from < content.size();) {
            int end = from;
            while (end < content.size() && content.at(end) != '\n' && content.at(end) != '\r')
                ++end;
            QTextCodec::ConverterState state(from == 0 ? QTextCodec::DefaultConversion : QTextCodec::IgnoreHeader);
            QString line = utf8->toUnicode(content.constData() + from, end - from, &state);
            if (state.invalidChars != 0 || state.remainingChars != 0)
                line = QString::fromLatin1(content.constData() + from, end - from);
            table.add(line.constData(), line.size());
            from = end + 1;
            if (end + 1 < content.size() && content.at(end) == '\r' && content.at(end + 1) == '\n')
                ++from;
        }
    }

    // The new records' regions in ascending order, each with its records in file order.
    typedef QPair<QString, const QVector<int>*> Group;
    QVector<Group> groups;
    if (table.hasEmpty)
        groups.append(Group(table.emptyRegion, &table.emptyRows));
    for (int id = 0; id < table.regions.size(); ++id)
        groups.append(Group(table.regions.text(id), &table.regionRows.at(id)));
    std::sort(groups.begin(), groups.end(),
              [](const Group& a, const Group& b) { return a.first < b.first; });
    QList<QString> sorted;
    // Region by region in ascending order: into an empty map each entry goes right next to
    // the one before, without a search.
    for (int r = 0; r < groups.size(); ++r) {
        const QString& region = groups.at(r).first;
        const QVector<int>& indices = *groups.at(r).second;
        sorted.append(region);
        QMap<QString, int>::iterator at = regionIndex.end();
        for (int k = 0; k < indices.size(); ++k)
            at = phoneInsertMulti(regionIndex, at, region, indices.at(k));
    }
    if (!regions.isEmpty()) {
        sorted += regions;
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    }
    regions = sorted;
}

QList<QString> TimeZoneData::cities(const QString& region, const QList<TimeZoneData*>& records,
                                    const QMap<QString, int>& regionIndex)
{
    QList<QString> result;
    QMap<QString, int>::const_iterator it = regionIndex.constFind(region);
    for (; it != regionIndex.constEnd() && it.key() == region; ++it)
        result.append(records.at(it.value())->city);
    std::sort(result.begin(), result.end());
    return result;
}
