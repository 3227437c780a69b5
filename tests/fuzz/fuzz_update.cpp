// The update document an update server answers with.

#include "appmanager.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::scratch();
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QVariantMap info;
    QString failure;
    const int result = AppManager::readUpdateDocument(body, &info, &failure);
    if (result < 0 && failure.isEmpty())
        std::abort(); // a refused document always says why
    for (auto it = info.cbegin(); it != info.cend(); ++it)
        it.value().toString();
    return 0;
}
