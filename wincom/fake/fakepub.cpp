// A fake of the publishing program's automation server, for testing the COM
// client under Wine. One source, two builds: FAKEPUB_LOCAL_SERVER makes the
// local-server EXE registered as Publisher.Application (under a made-up
// CLSID); without it, the in-process DLL registered under another ProgID, so
// that tests see the client's VARIANTs exactly as sent, with no marshaller
// between.
//
// Strict like a server whose IDispatch a type library drives: the flags must
// fit the member, a property put must carry its one argument named
// DISPID_PROPERTYPUT, methods take no named arguments, argument counts are
// exact, Booleans mean true only when they are VARIANT_TRUE.
//
// Settings come from HKCU\Software\Vantrelle\FakePublisher, read at every
// call (the local server reads Log once, at start). Log: a file that gets one
// UTF-8 line per call, written before the call acts. Faults:
// "Object.Member=kind;..." with kind one of exception, deferred, hresult,
// mismatch, unknown, crash. Name: what `name` answers. Busy: how many calls
// the local server refuses before it takes any.
#include <windows.h>

#include <oleauto.h>
#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// {6C2E9B14-3F7A-4D2B-9E51-0A8C4B7D3E21}: not the real program's class.
const CLSID kLocalClsid = {
    0x6c2e9b14, 0x3f7a, 0x4d2b, {0x9e, 0x51, 0x0a, 0x8c, 0x4b, 0x7d, 0x3e, 0x21}};
// {6C2E9B15-3F7A-4D2B-9E51-0A8C4B7D3E21}
const CLSID kInProcClsid = {
    0x6c2e9b15, 0x3f7a, 0x4d2b, {0x9e, 0x51, 0x0a, 0x8c, 0x4b, 0x7d, 0x3e, 0x21}};
// {6C2E9B16-3F7A-4D2B-9E51-0A8C4B7D3E21}: registered with no program behind it.
const CLSID kMissingClsid = {
    0x6c2e9b16, 0x3f7a, 0x4d2b, {0x9e, 0x51, 0x0a, 0x8c, 0x4b, 0x7d, 0x3e, 0x21}};

constexpr wchar_t kConfigKey[] = L"Software\\Vantrelle\\FakePublisher";
constexpr wchar_t kStopEvent[] = L"VantrelleFakePublisherStop";

enum Kind { kApplication, kDocument, kFindReplace, kKinds };
const char *const kKindNames[kKinds] = {"Application", "Document", "FindReplace"};
std::atomic<long> g_live[kKinds];

std::string utf8(const wchar_t *text, size_t length)
{
    if (!length)
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text, int(length), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, int(length), out.data(), size, nullptr, nullptr);
    return out;
}

std::string utf8(const std::wstring &text)
{
    return utf8(text.data(), text.size());
}

std::wstring fromUtf8(const std::string &text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size);
    return out;
}

std::string hex(HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

std::wstring setting(const wchar_t *name)
{
    wchar_t value[1024];
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kConfigKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return {};
    return value;
}

bool readFile(const std::wstring &path, std::string &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char buffer[4096];
    DWORD got = 0;
    bytes.clear();
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got)
        bytes.append(buffer, got);
    CloseHandle(file);
    return true;
}

bool writeFile(const std::wstring &path, const std::string &bytes, DWORD disposition)
{
    HANDLE file =
        CreateFileW(path.c_str(), disposition == OPEN_ALWAYS ? FILE_APPEND_DATA : GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

void logLine(const std::string &line)
{
#ifdef FAKEPUB_LOCAL_SERVER
    // Fixed at start: a server ending late must not write into the log of
    // the next test.
    static const std::wstring path = setting(L"Log");
#else
    const std::wstring path = setting(L"Log");
#endif
    if (!path.empty())
        writeFile(path, line + "\n", OPEN_ALWAYS);
}

// The fault configured for "Object.Member", or "".
std::string faultFor(const std::string &member)
{
    const std::string faults = utf8(setting(L"Faults"));
    size_t start = 0;
    while (start < faults.size()) {
        size_t end = faults.find(';', start);
        if (end == std::string::npos)
            end = faults.size();
        const std::string entry = faults.substr(start, end - start);
        const size_t equals = entry.find('=');
        if (equals != std::string::npos && entry.compare(0, equals, member) == 0)
            return entry.substr(equals + 1);
        start = end + 1;
    }
    return {};
}

// An argument as sent: its VARIANT type and raw value.
std::string describe(const VARIANT &value)
{
    switch (value.vt) {
    case VT_BSTR:
        if (!value.bstrVal)
            return "BSTR:null";
        return "BSTR:\"" + utf8(value.bstrVal, SysStringLen(value.bstrVal)) + "\"";
    case VT_BOOL:
        return "BOOL:" + std::to_string(value.boolVal);
    case VT_I4:
        return "I4:" + std::to_string(value.lVal);
    case VT_I2:
        return "I2:" + std::to_string(value.iVal);
    case VT_ERROR:
        return "ERROR:" + hex(value.scode);
    case VT_EMPTY:
        return "EMPTY";
    case VT_BYREF | VT_VARIANT:
        return "BYREF:" + describe(*value.pvarVal);
    default:
        return "VT" + std::to_string(value.vt);
    }
}

std::string describeFlags(WORD flags)
{
    std::string text;
    const std::pair<WORD, const char *> names[] = {{DISPATCH_METHOD, "call"},
                                                   {DISPATCH_PROPERTYGET, "get"},
                                                   {DISPATCH_PROPERTYPUT, "put"},
                                                   {DISPATCH_PROPERTYPUTREF, "putref"}};
    for (const auto &[flag, name] : names) {
        if (flags & flag)
            text += (text.empty() ? "" : "|") + std::string(name);
    }
    return text.empty() ? "none" : text;
}

HRESULT fail(EXCEPINFO *info, const std::wstring &description)
{
    if (info) {
        *info = EXCEPINFO{};
        info->bstrSource = SysAllocString(L"Fake Publisher");
        info->bstrDescription = SysAllocString(description.c_str());
        info->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
}

HRESULT STDAPICALLTYPE fillInLater(EXCEPINFO *info)
{
    info->bstrDescription = SysAllocString(L"Description filled in on demand");
    info->scode = E_FAIL;
    info->pfnDeferredFillIn = nullptr;
    return S_OK;
}

// One VARIANT, cleared when it goes.
struct Value {
    Value() { VariantInit(&v); }
    Value(const Value &) = delete;
    Value(Value &&other) noexcept : v(other.v) { other.v.vt = VT_EMPTY; }
    ~Value() { VariantClear(&v); }
    VARIANT v;
};

bool isTrue(const Value &value)
{
    return value.v.boolVal == VARIANT_TRUE;
}

std::wstring textOf(const Value &value)
{
    return std::wstring(value.v.bstrVal ? value.v.bstrVal : L"", SysStringLen(value.v.bstrVal));
}

void lastObjectGone();
void quitRequested();

enum class Access { Get, Put, Method };

struct Member {
    const wchar_t *name;
    Access access;
    std::vector<VARTYPE> params; // VT_VARIANT: taken as sent
};

// The strict IDispatch the three objects share. Dispatch ids are indexes into
// the object's member table, from 1.
class Object : public IDispatch {
public:
    Object(Kind kind, const std::vector<Member> &members) : m_kind(kind), m_members(members)
    {
        ++g_live[kind];
    }
    virtual ~Object()
    {
        logLine(std::string("~") + kKindNames[m_kind]);
        --g_live[m_kind];
        lastObjectGone();
    }
    Object(const Object &) = delete;
    Object &operator=(const Object &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (riid != IID_IUnknown && riid != IID_IDispatch) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++m_references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const long left = --m_references;
        if (left == 0)
            delete this;
        return ULONG(left);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **info) override
    {
        *info = nullptr;
        return DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override
    {
        if (riid != IID_NULL)
            return DISP_E_UNKNOWNINTERFACE;
        for (UINT i = 0; i < count; ++i)
            ids[i] = DISPID_UNKNOWN;
        // Parameter names are not accepted, so a call cannot use named arguments.
        if (count != 1)
            return DISP_E_UNKNOWNNAME;
        for (size_t i = 0; i < m_members.size(); ++i) {
            if (CompareStringOrdinal(names[0], -1, m_members[i].name, -1, TRUE) == CSTR_EQUAL &&
                faultFor(qualified(m_members[i])) != "unknown") {
                ids[0] = DISPID(i + 1);
                return S_OK;
            }
        }
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *info, UINT *argErr) override
    {
        if (!params)
            return E_INVALIDARG;
        if (id < 1 || size_t(id) > m_members.size())
            return DISP_E_MEMBERNOTFOUND;
        const Member &member = m_members[size_t(id - 1)];
        const std::string name = qualified(member);
        logCall(name, flags, *params);
        if (riid != IID_NULL)
            return refuse(DISP_E_UNKNOWNINTERFACE);
        const HRESULT shape = checkShape(member, flags, *params);
        if (FAILED(shape))
            return refuse(shape);

        const std::string fault = faultFor(name);
        if (fault == "crash") {
            logLine("crash");
            TerminateProcess(GetCurrentProcess(), 3);
        }
        if (fault == "exception")
            return fail(info, L"Fake failure in " + fromUtf8(name));
        if (fault == "deferred" && info) {
            *info = EXCEPINFO{};
            info->pfnDeferredFillIn = fillInLater;
            return DISP_E_EXCEPTION;
        }
        if (fault == "hresult")
            return E_ACCESSDENIED;
        if (fault == "mismatch") {
            if (argErr)
                *argErr = 0;
            return DISP_E_TYPEMISMATCH;
        }

        const UINT count = params->cArgs;
        std::vector<Value> args(count);
        for (UINT i = 0; i < count; ++i) {
            VARIANT &sent = params->rgvarg[count - 1 - i];
            const VARTYPE type = member.params[i];
            const HRESULT hr = type == VT_VARIANT ? VariantCopyInd(&args[i].v, &sent)
                                                  : VariantChangeType(&args[i].v, &sent, 0, type);
            if (FAILED(hr)) {
                if (argErr)
                    *argErr = count - 1 - i;
                return refuse(DISP_E_TYPEMISMATCH);
            }
        }
        if (result)
            VariantInit(result);
        Value ignored;
        return act(member.name, args.data(), result ? result : &ignored.v, info);
    }

protected:
    // Does what the member does, with the arguments converted to their
    // declared types, in declaration order.
    virtual HRESULT act(const std::wstring &member, Value *args, VARIANT *result,
                        EXCEPINFO *info) = 0;

    static HRESULT giveObject(IDispatch *object, VARIANT *result)
    {
        object->AddRef();
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        return S_OK;
    }

private:
    std::string qualified(const Member &member) const
    {
        return std::string(kKindNames[m_kind]) + "." + utf8(member.name);
    }
    static HRESULT refuse(HRESULT hr)
    {
        logLine("! " + hex(hr));
        return hr;
    }
    static void logCall(const std::string &name, WORD flags, const DISPPARAMS &params)
    {
        std::string line = name + " " + describeFlags(flags) + "(";
        for (UINT i = 0; i < params.cArgs; ++i)
            line += (i ? ", " : "") + describe(params.rgvarg[params.cArgs - 1 - i]);
        line += ")";
        for (UINT i = 0; i < params.cNamedArgs; ++i) {
            const DISPID named = params.rgdispidNamedArgs[i];
            line += " named:" + (named == DISPID_PROPERTYPUT ? std::string("PROPERTYPUT")
                                                             : std::to_string(named));
        }
        logLine(line);
    }
    static HRESULT checkShape(const Member &member, WORD flags, const DISPPARAMS &params)
    {
        switch (member.access) {
        case Access::Get:
            if (!(flags & DISPATCH_PROPERTYGET))
                return DISP_E_MEMBERNOTFOUND;
            if (params.cNamedArgs)
                return DISP_E_NONAMEDARGS;
            return params.cArgs ? DISP_E_BADPARAMCOUNT : S_OK;
        case Access::Put:
            if (flags != DISPATCH_PROPERTYPUT)
                return DISP_E_MEMBERNOTFOUND;
            if (params.cNamedArgs != 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
                return DISP_E_PARAMNOTFOUND;
            return params.cArgs != 1 ? DISP_E_BADPARAMCOUNT : S_OK;
        case Access::Method:
            if (!(flags & DISPATCH_METHOD))
                return DISP_E_MEMBERNOTFOUND;
            if (params.cNamedArgs)
                return DISP_E_NONAMEDARGS;
            return params.cArgs != member.params.size() ? DISP_E_BADPARAMCOUNT : S_OK;
        }
        return E_UNEXPECTED;
    }

    Kind m_kind;
    const std::vector<Member> &m_members;
    std::atomic<long> m_references{1};
};

struct Settings {
    std::wstring findText;
    std::wstring replaceText;
    long scope = 0;
    bool matchCase = false;
    bool wholeWord = false;
};

bool wordCharacter(const std::wstring &text, size_t at)
{
    return at < text.size() && (IsCharAlphaNumericW(text[at]) || text[at] == L'_');
}

// Replaces every occurrence when the scope is "all" (2); tells whether any was found.
bool replaceAll(std::wstring &text, const Settings &s)
{
    const size_t n = s.findText.size();
    if (n == 0)
        return false;
    std::wstring out;
    bool found = false;
    size_t at = 0;
    while (at < text.size()) {
        const bool same = at + n <= text.size() &&
                          CompareStringOrdinal(text.data() + at, int(n), s.findText.data(), int(n),
                                               s.matchCase ? FALSE : TRUE) == CSTR_EQUAL &&
                          (!s.wholeWord || ((at == 0 || !wordCharacter(text, at - 1)) &&
                                            !wordCharacter(text, at + n)));
        if (same) {
            found = true;
            if (s.scope == 2) {
                out += s.replaceText;
                at += n;
                continue;
            }
        }
        out += text[at++];
    }
    if (s.scope == 2)
        text = out;
    return found;
}

const std::vector<Member> kDocumentMembers = {
    {L"Find", Access::Get, {}},
    {L"SaveAs", Access::Method, {VT_VARIANT, VT_I4, VT_BOOL}},
};

const std::vector<Member> kFindReplaceMembers = {
    {L"Clear", Access::Method, {}},
    {L"FindText", Access::Put, {VT_BSTR}},
    {L"ReplaceWithText", Access::Put, {VT_BSTR}},
    {L"ReplaceScope", Access::Put, {VT_I4}},
    {L"MatchCase", Access::Put, {VT_BOOL}},
    {L"MatchWholeWord", Access::Put, {VT_BOOL}},
    {L"Execute", Access::Method, {}},
};

const std::vector<Member> kApplicationMembers = {
    {L"Name", Access::Get, {}},
    {L"Open", Access::Method, {VT_BSTR, VT_BOOL, VT_BOOL, VT_I4}},
    {L"ActiveDocument", Access::Get, {}},
    {L"Quit", Access::Method, {}},
};

class Document : public Object {
public:
    explicit Document(std::wstring text) : Object(kDocument, kDocumentMembers), m_text(text) {}
    Settings settings; // the document's search settings, shared by every Find

    std::wstring &text() { return m_text; }

protected:
    HRESULT act(const std::wstring &member, Value *args, VARIANT *result, EXCEPINFO *info) override;

private:
    std::wstring m_text;
};

class FindReplace : public Object {
public:
    explicit FindReplace(Document *document)
        : Object(kFindReplace, kFindReplaceMembers), m_document(document)
    {
        m_document->AddRef();
    }
    ~FindReplace() override { m_document->Release(); }

protected:
    HRESULT act(const std::wstring &member, Value *args, VARIANT *result, EXCEPINFO *) override
    {
        Settings &s = m_document->settings;
        if (member == L"Clear")
            s = Settings{};
        else if (member == L"FindText")
            s.findText = textOf(args[0]);
        else if (member == L"ReplaceWithText")
            s.replaceText = textOf(args[0]);
        else if (member == L"ReplaceScope")
            s.scope = args[0].v.lVal;
        else if (member == L"MatchCase")
            s.matchCase = isTrue(args[0]);
        else if (member == L"MatchWholeWord")
            s.wholeWord = isTrue(args[0]);
        else { // Execute
            result->vt = VT_BOOL;
            result->boolVal = replaceAll(m_document->text(), s) ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return S_OK;
    }

private:
    Document *m_document;
};

HRESULT Document::act(const std::wstring &member, Value *args, VARIANT *result, EXCEPINFO *info)
{
    if (member == L"Find") {
        auto *find = new FindReplace(this);
        giveObject(find, result);
        find->Release();
        return S_OK;
    }
    Value path; // SaveAs
    if (FAILED(VariantChangeType(&path.v, &args[0].v, 0, VT_BSTR)))
        return fail(info, L"The file name is not text");
    if (args[1].v.lVal != 1)
        return fail(info, L"Only the publication format (1) is supported");
    if (!writeFile(textOf(path), utf8(m_text), CREATE_ALWAYS))
        return fail(info, L"Cannot save the publication as " + textOf(path));
    return S_OK;
}

class Application : public Object {
public:
    explicit Application(std::wstring name)
        : Object(kApplication, kApplicationMembers), m_name(std::move(name))
    {
    }
    ~Application() override { closeDocument(); }

protected:
    HRESULT act(const std::wstring &member, Value *args, VARIANT *result, EXCEPINFO *info) override
    {
        if (member == L"Name") {
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocStringLen(m_name.data(), UINT(m_name.size()));
            return S_OK;
        }
        if (member == L"Open") {
            std::string bytes;
            if (!readFile(textOf(args[0]), bytes))
                return fail(info, L"Cannot open the publication " + textOf(args[0]));
            closeDocument();
            m_document = new Document(fromUtf8(bytes));
            return giveObject(m_document, result);
        }
        if (member == L"ActiveDocument") {
            if (!m_document)
                return fail(info, L"No publication is open");
            return giveObject(m_document, result);
        }
        // Quit: the program closes its publication and ends.
        closeDocument();
        quitRequested();
        return S_OK;
    }

private:
    void closeDocument()
    {
        if (m_document)
            m_document->Release();
        m_document = nullptr;
    }

    std::wstring m_name;
    Document *m_document = nullptr;
};

std::wstring configuredName()
{
    const std::wstring name = setting(L"Name");
    return name.empty() ? L"Microsoft Publisher" : name;
}

// IUnknown for an object that lives as long as the process: references do
// not govern its life.
template <class Interface> class Lasting : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **object) override
    {
        if (riid != IID_IUnknown && riid != __uuidof(Interface)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface *>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

class Factory : public Lasting<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID riid, void **object) override
    {
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        logLine("create Application");
        auto *app = new Application(configuredName());
        const HRESULT hr = app->QueryInterface(riid, object);
        app->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

} // namespace

#ifdef FAKEPUB_LOCAL_SERVER

namespace {

DWORD g_mainThread = 0;
bool g_standalone = false;
ULONGLONG g_quitAt = 0;

// A program started for automation ends with its last client.
void lastObjectGone()
{
    long live = 0;
    for (const auto &count : g_live)
        live += count;
    if (live == 0 && !g_standalone)
        PostThreadMessageW(g_mainThread, WM_QUIT, 0, 0);
}

// After Quit the program ends even while clients still hold references, as
// the real one does; the exit line then shows what they held.
void quitRequested()
{
    g_quitAt = GetTickCount64() + 2000;
}

bool setKey(HKEY root, const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    return RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                           DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::wstring guidText(const CLSID &clsid)
{
    wchar_t text[40];
    StringFromGUID2(clsid, text, 40);
    return text;
}

bool registerClass(const CLSID &clsid, const wchar_t *progId, const wchar_t *serverKey,
                   const std::wstring &server)
{
    const std::wstring classKey = L"CLSID\\" + guidText(clsid);
    bool ok =
        setKey(HKEY_CLASSES_ROOT, std::wstring(progId) + L"\\CLSID", nullptr, guidText(clsid));
    ok = setKey(HKEY_CLASSES_ROOT, classKey, L"ProgID", progId) && ok;
    ok = setKey(HKEY_CLASSES_ROOT, classKey + L"\\" + serverKey, nullptr, server) && ok;
    if (std::wstring(serverKey) == L"InprocServer32")
        ok = setKey(HKEY_CLASSES_ROOT, classKey + L"\\" + serverKey, L"ThreadingModel",
                    L"Apartment") &&
             ok;
    return ok;
}

// Registers this EXE as Publisher.Application, the DLL beside it as
// Vantrelle.FakePublisher.InProc, and a class whose program does not exist.
int registerServers()
{
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder = exe;
    folder.erase(folder.find_last_of(L'\\') + 1);
    const bool ok = registerClass(kLocalClsid, L"Publisher.Application", L"LocalServer32", exe) &&
                    registerClass(kInProcClsid, L"Vantrelle.FakePublisher.InProc",
                                  L"InprocServer32", folder + L"fakepub-inproc.dll") &&
                    registerClass(kMissingClsid, L"Vantrelle.FakePublisher.Missing",
                                  L"LocalServer32", folder + L"no-such-program.exe");
    return ok ? 0 : 1;
}

// Refuses the next Busy (a setting read at start) calls through IDispatch,
// as a busy program does; other calls (references, activation) pass.
class BusyFilter : public Lasting<IMessageFilter> {
public:
    explicit BusyFilter(long refusals) : m_refusals(refusals) {}
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, INTERFACEINFO *info) override
    {
        if (m_refusals <= 0 || !info || info->iid != IID_IDispatch)
            return SERVERCALL_ISHANDLED;
        --m_refusals;
        logLine("! busy");
        return SERVERCALL_REJECTED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return DWORD(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override
    {
        return PENDINGMSG_WAITDEFPROCESS;
    }

private:
    long m_refusals;
};

int serve(bool standalone, const std::wstring &name)
{
    g_mainThread = GetCurrentThreadId();
    g_standalone = standalone;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue, for WM_QUIT
    logLine(standalone ? "start standalone" : "start local server");
    BusyFilter busy(_wtol(setting(L"Busy").c_str()));
    CoRegisterMessageFilter(&busy, nullptr);

    DWORD classCookie = 0;
    DWORD runningCookie = 0;
    Application *app = nullptr;
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, kStopEvent);
    if (standalone) {
        app = new Application(name);
        if (SUCCEEDED(RegisterActiveObject(app, kLocalClsid, ACTIVEOBJECT_STRONG, &runningCookie)))
            logLine("running registered");
    } else {
        CoRegisterClassObject(kLocalClsid, &g_factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE,
                              &classCookie);
    }

    // Never outlive a test run by much, whatever the clients do.
    const ULONGLONG deadline = GetTickCount64() + 60000;
    bool running = true;
    while (running) {
        const DWORD woke =
            MsgWaitForMultipleObjects(standalone ? 1 : 0, &stop, FALSE, 100, QS_ALLINPUT);
        if (standalone && woke == WAIT_OBJECT_0)
            running = false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                running = false;
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if ((g_quitAt && now > g_quitAt) || now > deadline)
            running = false;
    }

    if (standalone) {
        RevokeActiveObject(runningCookie, nullptr);
        app->Release();
    } else {
        CoRevokeClassObject(classCookie);
    }
    std::string line = "exit";
    for (int kind = 0; kind < kKinds; ++kind)
        line += std::string(" ") + kKindNames[kind] + "=" + std::to_string(g_live[kind].load());
    logLine(line);
    CloseHandle(stop);
    // Leaked objects may still be referenced by stubs; do not wait for them.
    ExitProcess(0);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t **args = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring first = count > 1 ? args[1] : L"";
    if (first == L"/regserver")
        return registerServers();
    if (first == L"/standalone")
        return serve(true, count > 2 ? args[2] : L"Microsoft Publisher");
    return serve(false, {});
}

#else // the in-process DLL

namespace {
void lastObjectGone()
{
}
void quitRequested()
{
}
} // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void **object)
{
    if (clsid != kInProcClsid) {
        *object = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return g_factory.QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    for (const auto &count : g_live) {
        if (count)
            return S_FALSE;
    }
    return S_OK;
}

// How many objects of each kind (Application, Document, FindReplace) live.
extern "C" void FakePubLive(long counts[3])
{
    for (int kind = 0; kind < kKinds; ++kind)
        counts[kind] = g_live[kind];
}

#endif
