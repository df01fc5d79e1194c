#include "stats/ClearCommand.h"

#include <windows.h>

#include "platform/Handles.h"
#include "stats/StatsRecord.h"
#include "stats/StatsStore.h"

namespace tv {

void DeleteStatisticsValues() {
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS) return;
    for (StatValue v : kRawRecordOrder) RegDeleteValueA(key.get(), ValueName(v));
}

}  // namespace tv
