#pragma once
// What screen readers get of the History chart: a chart named "Chart" whose value states the
// range in words. The system's client object supplies everything else.
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "platform/Handles.h"

namespace tv {

UniqueCom<IAccessible> CreateChartAccessible(HWND chart, std::string summary);
// The answer to WM_GETOBJECT for the client area; 0 when the system's own object is the answer.
LRESULT ChartAccessibleResult(HWND chart, WPARAM wp, const std::string& summary);

}  // namespace tv
