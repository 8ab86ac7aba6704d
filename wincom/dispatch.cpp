#include "wincom/dispatch.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <vector>

// WINCOM_BROKEN_* are deliberate faults. Only the variants the Windows test
// script builds to prove that its tests catch them define one; see
// wincom/README.md.

namespace vantrelle::wincom {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "BSTRs are UTF-16");

namespace {

struct Text {
    HRESULT code;
    const char *text;
};

// Codes for which FormatMessage has no text (under Wine most of them), or a
// text that says nothing to someone running the program.
constexpr Text kTexts[] = {
    {CO_E_CLASSSTRING, "No program is registered under this name (invalid class string)"},
    {REGDB_E_CLASSNOTREG, "The program's automation server is not registered (class not "
                          "registered)"},
    {CO_E_SERVER_EXEC_FAILURE, "The program's automation server could not be started"},
    {CO_E_NOTINITIALIZED, "COM is not initialised on this thread"},
    {RPC_E_WRONG_THREAD, "The object was used from a thread other than the one that made it"},
    {RPC_E_CHANGED_MODE, "This thread is already in another COM apartment"},
    {RPC_E_DISCONNECTED, "The program has ended or dropped its connection"},
    {RPC_E_SERVERFAULT, "The program failed while handling the call"},
    {RPC_E_CALL_REJECTED, "The program is busy and rejected the call"},
    {RPC_E_SERVERCALL_RETRYLATER, "The program is busy; try again later"},
    {HRESULT_FROM_WIN32(RPC_S_CALL_FAILED), "The program ended during the call"},
    {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), "The program is not available (it has ended)"},
    {MK_E_UNAVAILABLE, "No running instance"},
    {DISP_E_UNKNOWNNAME, "The program has no member of this name"},
    {DISP_E_MEMBERNOTFOUND, "The member does not support this kind of call"},
    {DISP_E_TYPEMISMATCH, "Type mismatch"},
    {DISP_E_BADPARAMCOUNT, "Wrong number of arguments"},
    {DISP_E_PARAMNOTFOUND, "Argument not found"},
    {DISP_E_PARAMNOTOPTIONAL, "Argument not optional"},
    {DISP_E_NONAMEDARGS, "The member takes no named arguments"},
    {DISP_E_UNKNOWNINTERFACE, "Unknown interface"},
    {DISP_E_BADVARTYPE, "Bad variable type"},
    {DISP_E_OVERFLOW, "Value out of range"},
    {DISP_E_EXCEPTION, "The program reported an error without a description"},
    {E_NOINTERFACE, "The object does not support automation (no such interface)"},
};

std::string systemText(HRESULT hr)
{
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (iswspace(text.back()) || text.back() == L'.'))
        text.pop_back();
    return utf8(text);
}

std::string takeText(BSTR &text)
{
    std::string result = text ? utf8(text, SysStringLen(text)) : std::string();
    SysFreeString(text);
    text = nullptr;
    return result;
}

// A busy program (a dialog open, still loading a publication) refuses calls
// rather than queue them. A refused call has not run, so sending it again is
// safe; only after this long is the refusal the answer.
constexpr ULONGLONG kBusyPatienceMs = 30000;

template <class Call> HRESULT whileBusy(const Call &call)
{
    const ULONGLONG giveUp = GetTickCount64() + kBusyPatienceMs;
    DWORD pause = 20;
    for (;;) {
        const HRESULT hr = call();
        if ((hr != RPC_E_CALL_REJECTED && hr != RPC_E_SERVERCALL_RETRYLATER) ||
            GetTickCount64() >= giveUp)
            return hr;
        Sleep(pause);
        pause = std::min<DWORD>(pause * 2, 500);
    }
}

} // namespace

std::string utf8(const wchar_t *text, std::size_t length)
{
    if (length == 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::string utf8(const std::wstring &text)
{
    return utf8(text.data(), text.size());
}

std::wstring wide(const std::u16string &text)
{
    return std::wstring(reinterpret_cast<const wchar_t *>(text.data()), text.size());
}

std::string describe(HRESULT hr, const std::string &detail)
{
    std::string text;
    for (const Text &known : kTexts) {
        if (known.code == hr)
            text = known.text;
    }
    if (text.empty())
        text = systemText(hr);
    if (text.empty())
        text = "Automation error";
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
    return text + " (" + (detail.empty() ? std::string() : detail + ", ") + code + ")";
}

Value Value::text(const std::u16string &text)
{
    Value value;
    value.v.vt = VT_BSTR;
    // Always a real BSTR, also for "": servers may not expect NULL.
    value.v.bstrVal =
        SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.data()), UINT(text.size()));
    if (!value.v.bstrVal)
        throw Error(describe(E_OUTOFMEMORY), E_OUTOFMEMORY);
    return value;
}

Value Value::boolean(bool on)
{
    Value value;
    value.v.vt = VT_BOOL;
#ifdef WINCOM_BROKEN_BOOL_AS_ONE
    value.v.boolVal = on ? 1 : 0;
#else
    value.v.boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
#endif
    return value;
}

Value Value::integer(int number)
{
    Value value;
    value.v.vt = VT_I4;
    value.v.lVal = number;
    return value;
}

Dispatch::Dispatch(IDispatch *object) : m_object(object), m_thread(GetCurrentThreadId())
{
}

Dispatch::~Dispatch()
{
    m_object->Release();
}

std::unique_ptr<Dispatch> Dispatch::readObject(const wchar_t *member)
{
    Value result = read(member);
    return take(result, member);
}

void Dispatch::write(const wchar_t *member, Value value)
{
    invoke(member, DISPATCH_PROPERTYPUT, &value, 1);
}

std::unique_ptr<Dispatch> Dispatch::take(Value &result, const wchar_t *member)
{
    IDispatch *object = nullptr;
    if (result.v.vt == VT_DISPATCH) {
        // The reference in the result is ours; take it rather than AddRef and clear.
        object = result.v.pdispVal;
        result.v.vt = VT_EMPTY;
    } else if (result.v.vt == VT_UNKNOWN && result.v.punkVal) {
        result.v.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void **>(&object));
    }
    if (!object)
        throw Error("The program gave no object for " + utf8(member), E_POINTER);
    return std::make_unique<Dispatch>(object);
}

DISPID Dispatch::id(const wchar_t *member)
{
    const auto known = m_ids.find(member);
    if (known != m_ids.end())
        return known->second;
    DISPID dispid = DISPID_UNKNOWN;
    auto *name = const_cast<LPOLESTR>(member);
    const HRESULT hr = whileBusy(
        [&] { return m_object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispid); });
    if (FAILED(hr))
        throw Error(describe(hr, utf8(member)), hr);
    m_ids.emplace(member, dispid);
    return dispid;
}

Value Dispatch::invoke(const wchar_t *member, WORD flags, Value *args, UINT count)
{
    // An apartment-threaded object must only be called from its own thread;
    // COM catches that for a proxy, nothing does for an in-process object.
    if (GetCurrentThreadId() != m_thread)
        throw Error(describe(RPC_E_WRONG_THREAD, utf8(member)), RPC_E_WRONG_THREAD);
    const DISPID dispid = id(member);

    // rgvarg runs from the last argument to the first. The Values keep
    // ownership; these are shallow copies.
    std::vector<VARIANT> reversed(count);
    for (UINT i = 0; i < count; ++i) {
#ifdef WINCOM_BROKEN_ARGS_FORWARD
        reversed[i] = args[i].v;
#else
        reversed[count - 1 - i] = args[i].v;
#endif
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{count ? reversed.data() : nullptr, nullptr, count, 0};
    const bool put = flags == DISPATCH_PROPERTYPUT;
#ifndef WINCOM_BROKEN_PUT_UNNAMED
    if (put) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
#endif
    Value result;
    EXCEPINFO info{};
    UINT argErr = UINT(-1);
    const HRESULT hr = whileBusy([&] {
        return m_object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                put ? nullptr : &result.v, &info, &argErr);
    });
    if (FAILED(hr))
        throw failure(hr, info, argErr, count, member);
    return result;
}

bool Dispatch::inProcess() const
{
    // Only a proxy implements IClientSecurity.
    IClientSecurity *security = nullptr;
    if (FAILED(m_object->QueryInterface(IID_IClientSecurity, reinterpret_cast<void **>(&security))))
        return true;
    security->Release();
    return false;
}

Error Dispatch::failure(HRESULT hr, EXCEPINFO &info, UINT argErr, UINT count,
                        const wchar_t *member) const
{
    if (hr == DISP_E_EXCEPTION) {
        // A deferred fill-in is a function in the server's process: through a
        // proxy its address means nothing here.
        if (info.pfnDeferredFillIn && inProcess())
            info.pfnDeferredFillIn(&info);
        HRESULT code = hr;
        if (info.scode)
            code = info.scode;
        else if (info.wCode)
            code = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, info.wCode);
        std::string description = takeText(info.bstrDescription);
        takeText(info.bstrSource);
        takeText(info.bstrHelpFile);
        if (description.empty())
            description = describe(code, utf8(member));
        return Error(description, code);
    }
    std::string detail = utf8(member);
    // argErr indexes the reversed array; people count arguments from the first.
    if ((hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND) && argErr < count)
        detail = "argument " + std::to_string(count - argErr) + " of " + detail;
    return Error(describe(hr, detail), hr);
}

} // namespace vantrelle::wincom
