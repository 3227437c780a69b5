#pragma once

// File work that must not hold up the GUI thread: an MD5 of a whole file,
// computed on the global thread pool and reported back on the caller's thread.

#include <QObject>
#include <QString>

class FileAssitant : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(FileAssitant)

public:
    explicit FileAssitant(QObject* parent = nullptr);
    ~FileAssitant() override;

    // Starts hashing `path`; hashFinised follows with the lower-case hex MD5,
    // or an empty text when the file cannot be read.
    void hashFile(const QString& path);
    // The same, on the calling thread.
    static QString md5Of(const QString& path);

signals:
    void hashFinised(const QString& path, const QString& md5);
};
