// Runs a fuzz harness over files and folders given on the command line, one
// input at a time, without libFuzzer: the ordinary test suite replays the
// seed corpora and every input that once crashed, hung or leaked.

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    qint64 slowest = 0;
    QString slowestName;
    for (int i = 1; i < argc; ++i) {
        QStringList files;
        const QString argument = QFile::decodeName(argv[i]);
        if (QFileInfo(argument).isDir()) {
            QDirIterator it(argument, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files.append(it.next());
            files.sort();
        } else {
            files.append(argument);
        }
        for (const QString& name : files) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "replay: cannot read %s\n", qPrintable(name));
                return 1;
            }
            const QByteArray data = file.readAll();
            QElapsedTimer timer;
            timer.start();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                   static_cast<std::size_t>(data.size()));
            if (timer.elapsed() > slowest) {
                slowest = timer.elapsed();
                slowestName = name;
            }
            ++inputs;
        }
    }
    std::printf("replay: %d inputs, slowest %lld ms (%s)\n", inputs, static_cast<long long>(slowest),
                qPrintable(QFileInfo(slowestName).fileName()));
    // An input that takes 2 s is a hang as far as the program's user can tell.
    return slowest > 2000 ? 1 : 0;
}
