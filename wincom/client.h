#pragma once
// A late-bound COM client for the publishing program's automation server
// (IDispatch only, no type library). Windows only, but this header carries no
// Windows types so that callers need not include <windows.h>.
//
// Threads: every object belongs to the thread that made it, and that thread
// must have joined an apartment (an Apartment object) first. A call from any
// other thread fails with an Error instead of reaching the server.
#include <memory>
#include <stdexcept>
#include <string>

namespace vantrelle::wincom {

// A failed call. what() is a UTF-8 description a person can read: the
// server's own when it gave one, else the text of the HRESULT.
class Error : public std::runtime_error {
public:
    Error(const std::string &description, long hresult);
    long hresult() const noexcept { return m_hresult; }

private:
    long m_hresult;
};

// Joins the calling thread to a single-threaded apartment for its lifetime.
// A thread already in the multithreaded apartment stays there (COM objects
// still work) and is not left by the destructor.
class Apartment {
public:
    Apartment();
    ~Apartment();
    Apartment(const Apartment &) = delete;
    Apartment &operator=(const Apartment &) = delete;

private:
    bool m_joined = false;
};

class Dispatch; // the IDispatch pointer and its calls, internal

class FindReplace {
public:
    explicit FindReplace(std::unique_ptr<Dispatch> object);
    ~FindReplace();
    void Clear();
    void SetFindText(const std::u16string &text);
    void SetReplaceWithText(const std::u16string &text);
    void SetReplaceScope(int scope);
    void SetMatchCase(bool on);
    void SetMatchWholeWord(bool on);
    // True when anything was found.
    bool Execute();

private:
    std::unique_ptr<Dispatch> m_object;
};

class Document {
public:
    explicit Document(std::unique_ptr<Dispatch> object);
    ~Document();
    std::unique_ptr<FindReplace> Find();
    void SaveAs(const std::u16string &fileName, int format, bool addToRecentFiles);

private:
    std::unique_ptr<Dispatch> m_object;
};

class Application {
public:
    // Whether a program is registered under progId at all.
    static bool IsRegistered(const std::u16string &progId);
    // A new instance of the server registered under progId.
    static std::unique_ptr<Application> Create(const std::u16string &progId);
    // The instance registered as running, or nullptr when there is none (or
    // nothing is registered under progId at all).
    static std::unique_ptr<Application> Running(const std::u16string &progId);

    Application(std::unique_ptr<Dispatch> object, bool owned);
    // An instance this program created and has not quit yet is quit here, so
    // that no invisible server outlives its owner; a running one is only let go.
    ~Application();

    std::u16string name();
    std::unique_ptr<Document> Open(const std::u16string &fileName, bool readOnly,
                                   bool addToRecentFiles, int saveChanges);
    std::unique_ptr<Document> ActiveDocument();
    void Quit();

private:
    std::unique_ptr<Dispatch> m_object;
    bool m_owned;
    bool m_quitSent = false;
};

} // namespace vantrelle::wincom
