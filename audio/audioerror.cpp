#include "audioerror.h"

#include "zaudio/zaudio.h"

#include <QDebug>
#include <QString>

namespace AudioError {

int report(int result, int tag)
{
    if (result == zaudio::Ok)
        return result;
    qDebug().noquote() << QStringLiteral("line __%3__: zaudio error! (%1) %2\n")
                              .arg(result)
                              .arg(QString::fromUtf8(zaudio::errorString(result)))
                              .arg(tag);
    return result;
}

} // namespace AudioError
