#include "win32/design/accessibility.h"

#include "win32/design/text.h"

#include <initguid.h>
#include <oleacc.h>

namespace varnel::win32 {

void describeForScreenReaders(HWND control, std::string_view name, std::string_view description)
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void **>(&services))))
        return; // no accessibility service: the control keeps its text
    if (!name.empty())
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                 widen(name).c_str());
    if (!description.empty())
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 widen(description).c_str());
    services->Release();
}

} // namespace varnel::win32
