#include "wincom/client.h"

#include "wincom/dispatch.h"

namespace vantrelle::wincom {

Error::Error(const std::string &description, long hresult)
    : std::runtime_error(description), m_hresult(hresult)
{
}

Apartment::Apartment()
{
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(hr))
        m_joined = true;
    else if (hr != RPC_E_CHANGED_MODE)
        throw Error(describe(hr, "CoInitializeEx"), hr);
}

Apartment::~Apartment()
{
    if (m_joined)
        CoUninitialize();
}

FindReplace::FindReplace(std::unique_ptr<Dispatch> object) : m_object(std::move(object))
{
}
FindReplace::~FindReplace() = default;

void FindReplace::Clear()
{
#ifndef WINCOM_BROKEN_NO_CLEAR
    m_object->call(L"Clear");
#endif
}

void FindReplace::SetFindText(const std::u16string &text)
{
    m_object->write(L"FindText", Value::text(text));
}

void FindReplace::SetReplaceWithText(const std::u16string &text)
{
    m_object->write(L"ReplaceWithText", Value::text(text));
}

void FindReplace::SetReplaceScope(int scope)
{
    m_object->write(L"ReplaceScope", Value::integer(scope));
}

void FindReplace::SetMatchCase(bool on)
{
#ifdef WINCOM_BROKEN_IGNORE_MATCHCASE
    (void)on;
#else
    m_object->write(L"MatchCase", Value::boolean(on));
#endif
}

void FindReplace::SetMatchWholeWord(bool on)
{
    m_object->write(L"MatchWholeWord", Value::boolean(on));
}

bool FindReplace::Execute()
{
    Value result = m_object->call(L"Execute");
    // Servers may answer with any type that means a Boolean.
    const HRESULT hr = VariantChangeType(&result.v, &result.v, 0, VT_BOOL);
    if (FAILED(hr))
        throw Error(describe(hr, "the result of Execute"), hr);
    return result.v.boolVal != VARIANT_FALSE;
}

Document::Document(std::unique_ptr<Dispatch> object) : m_object(std::move(object))
{
}
Document::~Document() = default;

std::unique_ptr<FindReplace> Document::Find()
{
    auto object = m_object->readObject(L"Find");
#ifdef WINCOM_BROKEN_LEAK_FIND
    object->get()->AddRef();
#endif
    return std::make_unique<FindReplace>(std::move(object));
}

void Document::SaveAs(const std::u16string &fileName, int format, bool addToRecentFiles)
{
    // FileName is declared Variant: a VARIANT holding the string, by value.
    m_object->call(L"SaveAs", Value::text(fileName), Value::integer(format),
                   Value::boolean(addToRecentFiles));
}

namespace {

// The class behind progId; throws when there is none.
CLSID classOf(const std::u16string &progId)
{
    CLSID clsid;
    const std::wstring name = wide(progId);
    const HRESULT hr = CLSIDFromProgID(name.c_str(), &clsid);
    if (FAILED(hr))
        throw Error(describe(hr, utf8(name)), hr);
    return clsid;
}

} // namespace

bool Application::IsRegistered(const std::u16string &progId)
{
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(wide(progId).c_str(), &clsid));
}

std::unique_ptr<Application> Application::Create(const std::u16string &progId)
{
    const CLSID clsid = classOf(progId);
    IDispatch *object = nullptr;
    const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch,
                                        reinterpret_cast<void **>(&object));
    if (FAILED(hr))
        throw Error(describe(hr, utf8(wide(progId))), hr);
    return std::make_unique<Application>(std::make_unique<Dispatch>(object), true);
}

std::unique_ptr<Application> Application::Running(const std::u16string &progId)
{
    CLSID clsid;
    try {
        clsid = classOf(progId);
    } catch (const Error &) {
        return nullptr; // nothing registered, so nothing of it runs
    }
    IUnknown *unknown = nullptr;
    HRESULT hr = GetActiveObject(clsid, nullptr, &unknown);
    if (hr == MK_E_UNAVAILABLE)
        return nullptr;
    if (FAILED(hr))
        throw Error(describe(hr, utf8(wide(progId))), hr);
    IDispatch *object = nullptr;
    hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void **>(&object));
    unknown->Release();
    if (FAILED(hr))
        throw Error(describe(hr, utf8(wide(progId))), hr);
    return std::make_unique<Application>(std::make_unique<Dispatch>(object), false);
}

Application::Application(std::unique_ptr<Dispatch> object, bool owned)
    : m_object(std::move(object)), m_owned(owned)
{
}

Application::~Application()
{
#ifndef WINCOM_BROKEN_NO_QUIT
    if (m_owned && !m_quitSent) {
        try {
            Quit();
        } catch (const Error &) {
            // Gone already, or unreachable from here: nothing more to do.
        }
    }
#endif
}

std::u16string Application::name()
{
    // Asked for in lower case, as servers match names without regard to case.
    Value result = m_object->read(L"name");
    const HRESULT hr = VariantChangeType(&result.v, &result.v, 0, VT_BSTR);
    if (FAILED(hr))
        throw Error(describe(hr, "the result of name"), hr);
    const auto *text = reinterpret_cast<const char16_t *>(result.v.bstrVal);
    return std::u16string(text ? text : u"", SysStringLen(result.v.bstrVal));
}

std::unique_ptr<Document> Application::Open(const std::u16string &fileName, bool readOnly,
                                            bool addToRecentFiles, int saveChanges)
{
    Value result = m_object->call(L"Open", Value::text(fileName), Value::boolean(readOnly),
                                  Value::boolean(addToRecentFiles), Value::integer(saveChanges));
    return std::make_unique<Document>(Dispatch::take(result, L"Open"));
}

std::unique_ptr<Document> Application::ActiveDocument()
{
    return std::make_unique<Document>(m_object->readObject(L"ActiveDocument"));
}

void Application::Quit()
{
    // Once asked, never again: a failed Quit is not retried by the destructor.
    m_quitSent = true;
    m_object->call(L"Quit");
}

} // namespace vantrelle::wincom
