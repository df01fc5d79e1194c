// The polling alternative: the very same program, following changes with the one-second timer
// wherever it runs, as on systems without registry change notification.
#include "app/UpdateSource.h"

namespace tv {

UpdateSource ChooseUpdateSource() { return UpdateSource::PollingTimer; }

}  // namespace tv
