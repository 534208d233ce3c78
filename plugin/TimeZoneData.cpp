#include "TimeZoneData.h"

#include "RegularFile.h"

#include <QDebug>
#include <QHash>
#include <QTextCodec>
#include <QVector>

#include <algorithm>

TimeZoneData* TimeZoneData::fromLine(const QString& line)
{
    return fromLine(QStringRef(&line));
}

TimeZoneData* TimeZoneData::fromLine(const QStringRef& line)
{
    TimeZoneData* record = new TimeZoneData;
    const QString& text = *line.string();
    const QString separator = QLatin1String("  ");
    const int start = line.position();
    const int length = line.size();
    int field = 0;
    int from = 0;
    // Same cut as QString::split("  "), without building the piece list.
    while (from <= length && field < 5) {
        int to = line.indexOf(separator, from);
        if (to < 0)
            to = length;
        int begin = from;
        int end = to;
        while (begin < end && text.at(start + begin).isSpace())
            ++begin;
        while (end > begin && text.at(start + end - 1).isSpace())
            --end;
        from = to + separator.size();
        if (begin == end)
            continue;
        const QString piece = text.mid(start + begin, end - begin);
        switch (++field) {
        case 1: record->field1 = piece; break;
        case 2: record->field2 = piece; break;
        case 3: {
            const int slash = piece.indexOf(QLatin1Char('/'));
            if (slash < 0) {
                record->region = piece;
            } else {
                record->region = piece.left(slash);
                record->city = piece.mid(slash + 1);
            }
            break;
        }
        case 4: record->field4 = piece; break;
        case 5: record->field5 = piece; break;
        }
    }
    return record;
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

// Appends a record per line of text, each line ending at LF, CR or CRLF.
void appendLines(const QString& text, QList<TimeZoneData*>& records)
{
    const bool plain = !text.contains(QLatin1Char('\r'));
    for (int from = 0; from < text.size();) {
        int end = from;
        if (plain) {
            end = text.indexOf(QLatin1Char('\n'), from);
            if (end < 0)
                end = text.size();
        } else {
            while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
                ++end;
        }
        records.append(TimeZoneData::fromLine(text.midRef(from, end - from)));
        from = end + 1;
        if (end + 1 < text.size() && text.at(end) == QLatin1Char('\r') && text.at(end + 1) == QLatin1Char('\n'))
            ++from;
    }
}

} // namespace

void TimeZoneData::parse(const QByteArray& content, QList<TimeZoneData*>& records,
                         QMap<QString, int>& regionIndex, QList<QString>& regions)
{
    const int first = records.size();
    // Decoded at once when all of it is UTF-8 (the usual case), else line by line.
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState whole;
    const QString text = utf8->toUnicode(content.constData(), content.size(), &whole);
    // A sequence cut off at the end counts as invalid too (Qt keeps it for a next chunk).
    if (whole.invalidChars == 0 && whole.remainingChars == 0) {
        appendLines(text, records);
    } else {
        for (int from = 0; from < content.size();) {
            int end = from;
            while (end < content.size() && content.at(end) != '\n' && content.at(end) != '\r')
                ++end;
            QTextCodec::ConverterState state(from == 0 ? QTextCodec::DefaultConversion : QTextCodec::IgnoreHeader);
            QString line = utf8->toUnicode(content.constData() + from, end - from, &state);
            if (state.invalidChars != 0 || state.remainingChars != 0)
                line = QString::fromLatin1(content.constData() + from, end - from);
            records.append(fromLine(line));
            from = end + 1;
            if (end + 1 < content.size() && content.at(end) == '\r' && content.at(end + 1) == '\n')
                ++from;
        }
    }

    // Group the new records first, then fill the map region by region in ascending order.
    QHash<QString, QVector<int> > groups;
    groups.reserve(64);
    for (int i = first; i < records.size(); ++i) {
        QString& region = records.at(i)->region;
        QHash<QString, QVector<int> >::iterator group = groups.find(region);
        if (group == groups.end())
            group = groups.insert(region, QVector<int>());
        else
            region = group.key();  // one shared copy per region
        group->append(i);
    }
    QList<QString> sorted = groups.keys();
    std::sort(sorted.begin(), sorted.end());
    // insertMulti puts each entry before the earlier ones of its key.
    for (int r = 0; r < sorted.size(); ++r) {
        const QVector<int> indices = groups.value(sorted.at(r));
        for (int k = 0; k < indices.size(); ++k)
            regionIndex.insertMulti(sorted.at(r), indices.at(k));
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
