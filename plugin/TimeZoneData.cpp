#include "TimeZoneData.h"

#include <QFile>
#include <QHash>
#include <QVector>
#include <QTextStream>

#include <algorithm>

TimeZoneData* TimeZoneData::fromLine(const QString& line)
{
    return fromLine(QStringRef(&line));
}

TimeZoneData* TimeZoneData::fromLine(const QStringRef& line)
{
    TimeZoneData* record = new TimeZoneData;
    const QString separator = QStringLiteral("  ");
    const int length = line.size();
    int field = 0;
    int from = 0;
    // Same cut as QString::split("  "), without building the piece list.
    while (from <= length && field < 5) {
        int to = line.indexOf(separator, from);
        if (to < 0)
            to = length;
        const QStringRef piece = line.mid(from, to - from).trimmed();
        from = to + separator.size();
        if (piece.isEmpty())
            continue;
        switch (++field) {
        case 1: record->field1 = piece.toString(); break;
        case 2: record->field2 = piece.toString(); break;
        case 3: {
            const int slash = piece.indexOf(QLatin1Char('/'));
            if (slash < 0) {
                record->region = piece.toString();
            } else {
                record->region = piece.left(slash).toString();
                record->city = piece.mid(slash + 1).toString();
            }
            break;
        }
        case 4: record->field4 = piece.toString(); break;
        case 5: record->field5 = piece.toString(); break;
        }
    }
    return record;
}

QString TimeZoneData::tablePath()
{
    const QByteArray overridden = qgetenv("PHONE_TIMEZONE_TAB");
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
    return QStringLiteral("/etc/configs/phone/timezone.tab");
}

void TimeZoneData::load(const QString& path, QList<TimeZoneData*>& records,
                        QMap<QString, int>& regionIndex, QList<QString>& regions)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // Decoded once, then cut into lines in place: no string per line.
        QTextStream in(&file);
        const QString text = in.readAll();
        file.close();
        for (int from = 0; from < text.size();) {
            int end = text.indexOf(QLatin1Char('\n'), from);
            if (end < 0)
                end = text.size();
            records.append(fromLine(text.midRef(from, end - from)));
            from = end + 1;
        }
    }

    // Group first, then fill the map region by region in ascending order, each entry
    // appended at its end: linear in the number of lines instead of a search per line.
    QHash<QString, QVector<int> > groups;
    groups.reserve(64);
    for (int i = 0; i < records.size(); ++i) {
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
    if (!regionIndex.isEmpty()) {   // a map that already held entries: plain inserts
        for (const QString& region : sorted)
            for (int i : groups.value(region))
                regionIndex.insertMulti(region, i);
        regions = regionIndex.uniqueKeys();
        return;
    }
    for (const QString& region : sorted) {
        const QVector<int> indices = groups.value(region);
        // A region's first entry goes after every key so far; each further one goes just
        // before the previous entry of its region (QMap's hint refuses an equal key at the end).
        QMap<QString, int>::iterator at = regionIndex.insertMulti(regionIndex.constEnd(), region, indices.first());
        for (int k = 1; k < indices.size(); ++k)
            at = regionIndex.insertMulti(at, region, indices.at(k));
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
