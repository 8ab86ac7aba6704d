#pragma once
// Late-bound calls through IDispatch: one object, its member ids, the VARIANTs
// of a call and the errors it ends in. Internal to the client.
#include "wincom/client.h"

#include <windows.h>

#include <oleauto.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>

namespace vantrelle::wincom {

std::string utf8(const wchar_t *text, std::size_t length);
std::string utf8(const std::wstring &text);
std::wstring wide(const std::u16string &text);

// The readable text of an HRESULT, with detail (a member, an argument) and
// the code in brackets.
std::string describe(HRESULT hr, const std::string &detail = {});

// One VARIANT, cleared when it goes.
class Value {
public:
    Value() { VariantInit(&v); }
    Value(Value &&other) noexcept : v(other.v) { other.v.vt = VT_EMPTY; }
    Value &operator=(Value &&) = delete;
    ~Value() { VariantClear(&v); }

    static Value text(const std::u16string &text);
    static Value boolean(bool on);
    static Value integer(int number);

    VARIANT v;
};

class Dispatch {
public:
    // Takes over the caller's reference.
    explicit Dispatch(IDispatch *object);
    ~Dispatch();
    Dispatch(const Dispatch &) = delete;
    Dispatch &operator=(const Dispatch &) = delete;

    IDispatch *get() const { return m_object; }

    Value read(const wchar_t *member) { return invoke(member, DISPATCH_PROPERTYGET, nullptr, 0); }
    std::unique_ptr<Dispatch> readObject(const wchar_t *member);
    void write(const wchar_t *member, Value value);
    template <class... Args> Value call(const wchar_t *member, Args... args)
    {
        Value list[] = {std::move(args)..., Value()};
        return invoke(member, DISPATCH_METHOD, list, sizeof...(Args));
    }
    // The interface a call returned; throws when it returned none.
    static std::unique_ptr<Dispatch> take(Value &result, const wchar_t *member);

private:
    Value invoke(const wchar_t *member, WORD flags, Value *args, UINT count);
    DISPID id(const wchar_t *member);
    bool inProcess() const;
    Error failure(HRESULT hr, EXCEPINFO &info, UINT argErr, UINT count,
                  const wchar_t *member) const;

    IDispatch *m_object;
    DWORD m_thread;
    std::map<std::wstring, DISPID> m_ids;
};

} // namespace vantrelle::wincom
