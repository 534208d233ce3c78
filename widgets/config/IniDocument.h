#ifndef INIDOCUMENT_H
#define INIDOCUMENT_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QTextCodec;

// A settings file's bytes as Qt's INI reader cuts and decodes them, quirks included, so that
// what IniFile reads and where it writes is what QSettings sees: logical lines (quotes and
// backslashes carry a line over its line break, ';' starts a comment), group headers in
// chunks, keys with their "%XX", "%UXXXX" and '\' escapes, values with theirs.
class IniDocument
{
public:
    // One "key=value" line.
    struct Entry {
        int start;
        int end;     // of the logical line
        int equals;
        QString key;  // group and key: "NTP_Serv/User_Set"
    };
    // The lines under one group header, or before the first one (header -1).
    struct Chunk {
        QString name;  // "NTP_Serv/"; empty for keys outside any group and for [General]
        int header;
        int begin;     // where the header's line ends
        int end;
        QVector<Entry> entries;
    };
    // A value decoded, before it is typed: one text, or a list where a comma stands outside
    // quotes.
    struct Value {
        bool isList;
        QString text;
        QStringList items;
        bool operator==(const Value& other) const
        {
            return isList == other.isList && text == other.text && items == other.items;
        }
    };

    explicit IniDocument(const QByteArray& data);

    const QByteArray& data() const;
    // UTF-8 after a byte order mark (which stays part of the first line), else null: Latin-1.
    QTextCodec* codec() const;
    // Where the lines start: after the byte order mark.
    int body() const;
    int chunkCount() const;
    const Chunk& chunk(int i) const;

    // The chunks a new QSettings reads to look a key up: it parses only the group with the
    // greatest name not above the key, and only if the key begins with that name; keys
    // without '/' are in the unnamed group. Null when the key cannot be found at all.
    const QList<int>* sectionFor(const QString& key) const;
    // The line a new QSettings takes the key's value from: the last one in its group.
    const Entry* find(const QString& key) const;
    // Every key's line once all groups are read (QSettings::allKeys()): groups in name order,
    // later lines winning.
    QMap<QString, const Entry*> effective() const;
    // The last entry of a group in file order, or null.
    const Entry* lastEntry(const QList<int>& section) const;

    QByteArray valueBytes(const Entry& entry) const;
    Value decoded(const Entry& entry) const;

    static Value decodedValue(const QByteArray& bytes, QTextCodec* codec);
    // The value as QSettings types it; "@Variant(...)" and "@DateTime(...)" are left
    // undecodable (an invalid QVariant).
    static QVariant typed(const Value& value, bool* undecodable);
    // "/a//b/" is "a/b", as QSettings looks keys up.
    static QString normalizedKey(const QString& key);

private:
    void addChunk(Chunk& chunk);

    QByteArray m_data;
    QTextCodec* m_codec;
    int m_body;
    QVector<Chunk> m_chunks;
    QMap<QString, QList<int> > m_sections;
};

#endif
