#ifndef MESSAGECAPTURE_H
#define MESSAGECAPTURE_H

#include <QPair>
#include <QStringList>
#include <QtGlobal>

// Collects every qDebug/qWarning line while it lives, exactly as the text would be printed
// (without the line end). Captures nest: the innermost one gets the lines.
class MessageCapture
{
public:
    MessageCapture();
    ~MessageCapture();

    // Every line, or those of one QtMsgType.
    QStringList lines(int type = -1) const;
    // Lines starting with the given text, e.g. a class and method prefix.
    QStringList linesStartingWith(const QString& prefix) const;
    void clear();

    // Called by the installed message handler.
    static void record(QtMsgType type, const QString& message);

private:
    Q_DISABLE_COPY(MessageCapture)
    QList<QPair<QtMsgType, QString> > m_lines;
    MessageCapture* m_outer;
};

#endif
