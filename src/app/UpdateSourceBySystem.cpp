#include "app/UpdateSource.h"

#include "platform/Platform.h"

namespace tv {

// The registry reports changes on the NT family.
UpdateSource ChooseUpdateSource() {
    return CurrentPlatform() == PlatformFamily::WindowsNt ? UpdateSource::ChangeMonitor : UpdateSource::PollingTimer;
}

}  // namespace tv
