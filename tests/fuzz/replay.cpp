// Plays every file of the given directories once through a fuzz target's entry point: the
// committed corpus, kept small by merging, then checks what the fuzzer's oracle checks on
// every build, without the fuzzer. A finding aborts, so CTest sees the failure.
#include <QDir>
#include <QFile>

#include <stdint.h>
#include <stdio.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int played = 0;
    for (int a = 1; a < argc; ++a) {
        const QDir dir(QString::fromLocal8Bit(argv[a]));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        for (const QString& name : names) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                fprintf(stderr, "replay: cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray data = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
            ++played;
        }
    }
    return played ? 0 : 1;
}
