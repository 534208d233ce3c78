// The time-zone table reader on any bytes: one record per line (LF, CR or CRLF ends it), each
// record indexed once under its region, the regions sorted and distinct, each region's
// cities sorted, no replacement characters (a line that is not UTF-8 is Latin-1), and a
// second parse into the same containers adds the same records, each indexed once, and each
// record holds what the plain one-line reader makes of its line (no pooling, no fast path).
#include "TimeZoneData.h"

#include <QScopedPointer>
#include <QSet>
#include <QTextCodec>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

namespace {

int lineCount(const QByteArray& d)
{
    int lines = 0;
    int i = d.startsWith("\xef\xbb\xbf") ? 3 : 0;
    int lineStart = i;
    for (; i < d.size(); ++i) {
        if (d.at(i) != '\n' && d.at(i) != '\r')
            continue;
        ++lines;
        if (d.at(i) == '\r' && i + 1 < d.size() && d.at(i + 1) == '\n')
            ++i;
        lineStart = i + 1;
    }
    return lines + (lineStart < d.size() ? 1 : 0);
}

void check(bool condition, const char* what)
{
    if (!condition) {
        fprintf(stderr, "fuzz_tzdata: %s\n", what);
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > TimeZoneData::MaxTableSize)
        return 0;
    const QByteArray content(reinterpret_cast<const char*>(data), int(size));
    QList<TimeZoneData*> records;
    QMap<QString, int> index;
    QList<QString> regions;
    TimeZoneData::parse(content, records, index, regions);

    const int n = records.size();
    check(n == lineCount(content), "not one record per line");
    check(index.size() == n, "not one index entry per record");
    QSet<QString> seen;
    const bool replacementInInput = content.contains("\xef\xbf\xbd");
    for (int i = 0; i < n; ++i) {
        const TimeZoneData* r = records.at(i);
        seen.insert(r->region);
        const QString all = r->field1 + r->field2 + r->region + r->city + r->field4 + r->field5;
        check(replacementInInput || !all.contains(QChar(0xfffd)), "a line decoded with replacement characters");
    }
    for (QMap<QString, int>::const_iterator it = index.constBegin(); it != index.constEnd(); ++it)
        check(it.value() >= 0 && it.value() < n && records.at(it.value())->region == it.key(), "a wrong index entry");
    check(regions.size() == seen.size(), "regions are not the distinct regions");
    int cities = 0;
    for (int r = 0; r < regions.size(); ++r) {
        check(seen.contains(regions.at(r)) && (r == 0 || regions.at(r - 1) < regions.at(r)), "regions not sorted");
        const QList<QString> list = TimeZoneData::cities(regions.at(r), records, index);
        check(std::is_sorted(list.begin(), list.end()), "cities not sorted");
        cities += list.size();
    }
    check(cities == n, "cities lost or doubled");

    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    int i = 0;
    // A byte order mark alone is no line.
    for (int from = content == "\xef\xbb\xbf" ? 3 : 0; from < content.size(); ++i) {
        int end = from;
        while (end < content.size() && content.at(end) != '\n' && content.at(end) != '\r')
            ++end;
        const QByteArray bytes = content.mid(from, end - from);
        QTextCodec::ConverterState state(from == 0 ? QTextCodec::DefaultConversion : QTextCodec::IgnoreHeader);
        QString line = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars || state.remainingChars)
            line = QString::fromLatin1(bytes.constData(), bytes.size());   // NULs included
        QScopedPointer<TimeZoneData> plain(TimeZoneData::fromLine(line));
        const TimeZoneData* r = records.at(i);
        check(r->field1 == plain->field1 && r->field2 == plain->field2 && r->region == plain->region
                  && r->city == plain->city && r->field4 == plain->field4 && r->field5 == plain->field5,
              "a record differs from its line read alone");
        from = end + (end + 1 < content.size() && content.at(end) == '\r' && content.at(end + 1) == '\n' ? 2 : 1);
    }

    const QList<QString> regionsBefore = regions;
    TimeZoneData::parse(content, records, index, regions);
    check(records.size() == 2 * n && index.size() == 2 * n && regions == regionsBefore, "a second parse is not an append");
    for (int i = 0; i < n; ++i)
        check(records.at(i)->city == records.at(n + i)->city && records.at(i)->field5 == records.at(n + i)->field5,
              "a second parse reads differently");
    qDeleteAll(records);
    return 0;
}
