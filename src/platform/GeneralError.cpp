#include "platform/GeneralError.h"

#include <windows.h>

#include <exception>

#include "platform/ApplicationTitle.h"
#include "platform/VisualStyles.h"

namespace tv {

void ShowGeneralError(const std::string& message) {
    const VisualStyleScope visual_style;
    MessageBoxA(GetActiveWindow(), GeneralErrorText(message).c_str(), kApplicationTitle,
                MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void ReportUnhandledException() {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowGeneralError(e.what());
    } catch (...) {
        ShowGeneralError("Unknown error");
    }
}

}  // namespace tv
