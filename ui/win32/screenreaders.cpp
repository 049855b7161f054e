#include "screenreaders.h"

#include "systemfunction.h"

#include <initguid.h>  // the GUIDs below are defined here, so no import library is needed
#include <oleacc.h>

namespace {

// From UIAutomationCoreApi.h of Windows 10, which these headers predate.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingMostRecent = 3;  // a newer one replaces one not yet said
using HostProviderFromHwnd = HRESULT WINAPI(HWND, IUnknown **);
using RaiseNotificationEvent = HRESULT WINAPI(IUnknown *, int, int, BSTR, BSTR);

} // namespace

void describeToScreenReaders(HWND control, const std::wstring &description)
{
    const auto create = systemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    IAccPropServices *services = nullptr;
    if (!create || FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                 reinterpret_cast<void **>(&services))))
        return;
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                             description.c_str());
    services->Release();
}

void notifyScreenReaders(HWND control, const std::wstring &text)
{
    const auto raise = systemFunction<RaiseNotificationEvent>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
    const auto hostProvider = systemFunction<HostProviderFromHwnd>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
    const auto allocString = systemFunction<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
    const auto freeString = systemFunction<decltype(SysFreeString)>(L"oleaut32.dll", "SysFreeString");
    if (!raise || !hostProvider || !allocString || !freeString)
        return;
    IUnknown *provider = nullptr;
    if (FAILED(hostProvider(control, &provider)) || !provider)
        return;
    const BSTR said = allocString(text.c_str());
    const BSTR activity = allocString(L"PIRUMO.entry");
    if (said && activity)
        raise(provider, kNotificationKindActionCompleted, kNotificationProcessingMostRecent, said, activity);
    freeString(said);
    freeString(activity);
    provider->Release();
}
