// The polling alternative of the benchmark: the very same program, following changes with the
// one-second timer wherever it runs.
#include "app/UpdateSource.h"

namespace tv {

UpdateSource ChooseUpdateSource() { return UpdateSource::PollingTimer; }

}  // namespace tv
