// The INI editor against Qt's own reader and writer. Input: one byte for the value's type,
// the key and the value each ended by a NUL, then the file. Checked for every input:
//  - each key of the file (up to a few) reads as a new QSettings reads it;
//  - after setting the key, a new QSettings reads it as QSettings reads what it wrote itself,
//    every other key as before, and only bytes of the key's own line changed;
//  - the encoding of the value is exactly what QSettings writes.
#include "IniDocument.h"
#include "IniFile.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <stdint.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

void removeScratch();

QString scratchDir()
{
    static QString dir;
    if (dir.isEmpty()) {
        const QString base = QFileInfo(QString::fromLatin1("/dev/shm")).isWritable() ? QString::fromLatin1("/dev/shm")
                                                                                   : QDir::tempPath();
        dir = base + QString::fromLatin1("/fuzz_inifile.%1").arg(getpid());
        QDir().mkpath(dir);
        atexit(removeScratch);
    }
    return dir;
}

void removeScratch()
{
    QDir dir(scratchDir());
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (int i = 0; i < names.size(); ++i)
        dir.remove(names.at(i));
    dir.rmdir(dir.path());
}

QString scratchPath()
{
    static int serial = 0;
    return scratchDir() + QString::fromLatin1("/f%1.ini").arg(++serial);
}

// A new file every time: Qt caches settings files per path.
QString written(const QByteArray& content)
{
    const QString path = scratchPath();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        abort();
    return path;
}

QVariant qtValue(const QByteArray& content, const QString& key)
{
    const QString path = written(content);
    QVariant result;
    {
        QSettings settings(path, QSettings::IniFormat);
        result = settings.value(key, QString::fromLatin1("<default>"));
    }
    QFile::remove(path);
    return result;
}

// Whether any line of the file makes Qt decode QDataStream data, which trusts its sizes: Qt
// decodes every line of a section it reads, also lines that a later one overrides.
bool hasBinaryValues(const IniDocument& doc)
{
    for (int c = 0; c < doc.chunkCount(); ++c) {
        const QVector<IniDocument::Entry>& entries = doc.chunk(c).entries;
        for (int e = 0; e < entries.size(); ++e) {
            const IniDocument::Value v = doc.decoded(entries.at(e));
            const QStringList texts = v.isList ? v.items : QStringList(v.text);
            for (int i = 0; i < texts.size(); ++i)
                if (texts.at(i).startsWith(QLatin1String("@Variant(")) || texts.at(i).startsWith(QLatin1String("@DateTime(")))
                    return true;
        }
    }
    return false;
}

QVariant valueOf(uint8_t type, const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    switch (type % 9) {
    case 0: return text;
    case 1: return bytes.size() > 0 ? int(qChecksum(bytes.constData(), uint(bytes.size()))) - 30000 : 0;
    case 2: return text.split(QLatin1Char('\x01'));
    case 3: return bytes;
    case 4: return bytes.size() % 2 == 0;
    case 5: return double(bytes.size()) / 8.0 - 3.0;
    case 6: return QVariant();
    case 7: return QVariantList() << bytes.size() << text;
    default: return QDateTime::fromMSecsSinceEpoch(qint64(bytes.size()) * 86400000LL * 37).toUTC();
    }
}

void check(bool condition, const char* what)
{
    if (!condition) {
        fprintf(stderr, "fuzz_inifile: %s\n", what);
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3 || size > 64 * 1024)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const int keyEnd = input.indexOf('\0', 1);
    const int valueEnd = keyEnd < 0 ? -1 : input.indexOf('\0', keyEnd + 1);
    if (valueEnd < 0)
        return 0;
    const QString key = QString::fromLatin1(input.mid(1, keyEnd - 1));
    const QVariant value = valueOf(uint8_t(input.at(0)), input.mid(keyEnd + 1, valueEnd - keyEnd - 1));
    const QByteArray content = input.mid(valueEnd + 1);
    const QString k = IniDocument::normalizedKey(key);
    if (k.isEmpty())
        return 0;

    const IniDocument before(content);
    if (hasBinaryValues(before))
        return 0;

    // Reading: the key itself and a few others, each against a new QSettings.
    QStringList keys = before.effective().keys();
    for (int i = keys.size() - 1; i >= 0; --i)
        if (IniDocument::normalizedKey(keys.at(i)).isEmpty())  // QSettings refuses these ("/" too)
            keys.removeAt(i);
    while (keys.size() > 4)
        keys.removeAt(keys.size() / 2);
    keys << k;
    for (int i = 0; i < keys.size(); ++i) {
        const QVariant ours = IniFile::valueIn(content, keys.at(i), QString::fromLatin1("<default>"));
        const QVariant qt = qtValue(content, keys.at(i));
        if (ours != qt)
            qWarning() << "key" << keys.at(i) << "ours" << ours << "Qt" << qt;
        check(ours == qt, "a value reads differently from QSettings");
    }

    // Writing: QSettings' own encoding, in a file of one group.
    QByteArray alone;
    const bool encodable = IniFile::setValueIn(alone, k, value);
    {
        const QString path = scratchPath();
        {
            QSettings settings(path, QSettings::IniFormat);
            settings.setValue(k, value);
        }
        QFile file(path);
        check(file.open(QIODevice::ReadOnly), "QSettings wrote nothing");
        const QByteArray expected = file.readAll();
        file.remove();
        if (encodable)
            check(alone == expected || "[General]\n" + alone == expected, "the encoding differs from QSettings'");
    }
    if (!encodable)
        return 0;
    const QVariant roundTrip = qtValue(alone, k);

    QByteArray after = content;
    QString error;
    if (!IniFile::setValueIn(after, k, value, &error)) {
        check(error == QLatin1String("the key cannot be written without changing others"), "unexpected failure");
        return 0;
    }
    check(qtValue(after, k) == roundTrip, "the new value does not read back");

    // Every other key as before, all sections read at once.
    const QString oldPath = written(content);
    const QString newPath = written(after);
    {
        QSettings old(oldPath, QSettings::IniFormat);
        QSettings now(newPath, QSettings::IniFormat);
        QStringList oldKeys = old.allKeys();
        QStringList newKeys = now.allKeys();
        oldKeys.removeAll(k);
        newKeys.removeAll(k);
        oldKeys.removeAll(QString());
        newKeys.removeAll(QString());
        check(oldKeys == newKeys, "the set of other keys changed");
        for (int i = 0; i < oldKeys.size(); ++i) {
            if (IniDocument::normalizedKey(oldKeys.at(i)) != oldKeys.at(i))
                continue;  // value() looks such a key up under another name
            if (old.value(oldKeys.at(i)) != now.value(oldKeys.at(i)))
                qWarning() << "key" << oldKeys.at(i) << "was" << old.value(oldKeys.at(i)) << "now" << now.value(oldKeys.at(i))
                           << "\nfile was" << content << "\nfile now" << after;
            check(old.value(oldKeys.at(i)) == now.value(oldKeys.at(i)), "another key changed");
        }
        check(now.value(k) == roundTrip, "the new value does not read back with all sections");
    }
    QFile::remove(oldPath);
    QFile::remove(newPath);

    // Only the key's own line changed: what differs lies within its old value, or nothing
    // of the old file differs when the line was added.
    int prefix = 0;
    while (prefix < content.size() && prefix < after.size() && content.at(prefix) == after.at(prefix))
        ++prefix;
    int suffix = 0;
    while (suffix < content.size() - prefix && suffix < after.size() - prefix
           && content.at(content.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const int changedEnd = content.size() - suffix;
    if (after == content)
        return 0;  // the same value again
    if (const IniDocument::Entry* old = before.find(k))
        check(prefix >= old->equals + 1 && changedEnd <= old->end, "bytes outside the key's value changed");
    else
        check(changedEnd == prefix, "bytes of the old file changed");
    return 0;
}
