#ifndef SIMDATA_H
#define SIMDATA_H

#include <QString>
#include <QStringList>

// The simulator's phone files in a per-user directory: the time-zone table and the
// configuration files the host and the page read and write. The shipped copies are compiled
// into phonesim; a missing file is created from its copy, a present one is left alone unless
// a fresh start is asked for.
class SimData
{
public:
    // $PHONESIM_CONFIG_DIR, else <user config location>/phonesim (~/.config/phonesim).
    static QString defaultDir();
    // The files kept in the directory.
    static QStringList fileNames();
    // Makes dir hold every file; with fresh, every file is replaced by the shipped copy.
    // The names of the files written are appended to written. False when one could not be
    // written (the message goes to the warning channel).
    static bool prepare(const QString& dir, bool fresh, QStringList* written = 0);
    // The shipped copy of one file.
    static QByteArray shipped(const QString& fileName);
};

#endif
