#include "fileassitant.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

FileAssitant::FileAssitant(QObject* parent) : QObject(parent) {}

FileAssitant::~FileAssitant() = default;

QString FileAssitant::md5Of(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

void FileAssitant::hashFile(const QString& path)
{
    QPointer<FileAssitant> self(this);
    QThreadPool::globalInstance()->start([self, path] {
        const QString md5 = md5Of(path);
        // Back on the owner's thread; nothing when the owner is gone.
        if (self)
            QMetaObject::invokeMethod(
                self,
                [self, path, md5] {
                    if (self)
                        emit self->hashFinised(path, md5);
                },
                Qt::QueuedConnection);
    });
}
