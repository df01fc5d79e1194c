#pragma once
// A backup's timestamp as the user's locale writes it.
#include <string>

#include "backup/BackupFormat.h"

namespace tv {

// Short date, a blank, long time; the date alone at exactly 00:00:00.
std::string DateText(const BackupStamp& stamp);

}  // namespace tv
