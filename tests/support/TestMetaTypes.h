#ifndef TESTMETATYPES_H
#define TESTMETATYPES_H

#include <QList>
#include <QMetaType>
#include <QString>

// Test data types Qt 5 knows as metatypes and Qt 4 does not.
#if QT_VERSION < 0x050000
Q_DECLARE_METATYPE(QList<int>)
Q_DECLARE_METATYPE(QList<QString>)
#endif

#endif
