#include "TimeZoneData.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

TimeZoneData* TimeZoneData::fromLine(const QString& line)
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
        const QStringRef piece = line.midRef(from, to - from).trimmed();
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
        QTextStream in(&file);
        while (!in.atEnd())
            records.append(fromLine(in.readLine()));
        file.close();
    }
    for (int i = 0; i < records.size(); ++i)
        regionIndex.insertMulti(records.at(i)->region, i);
    regions = regionIndex.uniqueKeys();
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
