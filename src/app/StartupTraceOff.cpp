// The program's own start-up: nothing is traced.
#include "app/StartupTrace.h"

namespace tv {

void MarkStartupPhase(StartupPhase) {}

}  // namespace tv
