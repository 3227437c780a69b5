#include "audioerror.h"

#include "zaudio/zaudio.h"

#include <QDebug>
#include <QLoggingCategory>
#include <QString>

namespace AudioError {

Q_LOGGING_CATEGORY(zaudioCategory, "zaudio")

int report(int result, int tag)
{
    if (result == zaudio::Ok)
        return result;
    qCWarning(zaudioCategory).noquote() << QStringLiteral("line __%3__: zaudio error! (%1) %2")
                                               .arg(result)
                                               .arg(QString::fromUtf8(zaudio::errorString(result)))
                                               .arg(tag);
    return result;
}

} // namespace AudioError
