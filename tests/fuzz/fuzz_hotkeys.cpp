// HotKey.dat, and the key matchers over the table it gives.

#include "fuzzsupport.h"
#include "hotkeytable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString file = fuzz::writeFile("HotKey.dat", data, size);
    HotKey::Table table;
    if (!HotKey::readTable(file, &table))
        return 0;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        HotKey::decode(it.key());
    const HotKey::Modifiers none, ctrl{true, false, false}, alt{false, false, true};
    for (int code :
         {int('1'), int('A'), int('Q'), HotKey::kKeypad0 + 3, HotKey::kLeftCtrl, HotKey::kLeftAlt}) {
        HotKey::matchKeyDown(table, code, none);
        HotKey::matchKeyDown(table, code, ctrl);
        HotKey::matchSystemKey(table, code, alt);
    }
    return 0;
}
