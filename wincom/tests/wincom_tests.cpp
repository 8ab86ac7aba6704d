// The COM client against the fake server (wincom/fake), under Wine or on
// Windows: the in-process build shows the VARIANTs exactly as the client
// sends them, the local server the same calls through a real marshaller.
// Prints one line per case and last "N passed, N failed"; exits non-zero on
// any failure.
#include "wincom/client.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace vantrelle::wincom;

namespace {

const std::u16string kInProc = u"Vantrelle.FakePublisher.InProc";
const std::u16string kLocal = u"Publisher.Application";
constexpr wchar_t kConfigKey[] = L"Software\\Vantrelle\\FakePublisher";

// ---- checks ----

std::vector<std::string> g_problems;

void expect(bool ok, const std::string &what, int line)
{
    if (!ok)
        g_problems.push_back("line " + std::to_string(line) + ": " + what);
}

#define EXPECT(condition) expect((condition), #condition, __LINE__)

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const auto &line : lines)
        text += "    | " + line + "\n";
    return text;
}

// Tells the first line that differs, not the whole log.
void expectLines(const std::vector<std::string> &actual, const std::vector<std::string> &wanted,
                 int line)
{
    size_t i = 0;
    while (i < actual.size() && i < wanted.size() && actual[i] == wanted[i])
        ++i;
    if (i == actual.size() && i == wanted.size())
        return;
    auto at = [i](const std::vector<std::string> &lines) {
        return i < lines.size() ? "\"" + lines[i] + "\"" : std::string("the end");
    };
    expect(false, "line " + std::to_string(i + 1) + " is " + at(actual) + ", wanted " + at(wanted),
           line);
}

void expectContains(const std::string &text, const std::string &part, int line)
{
    expect(text.find(part) != std::string::npos, "\"" + text + "\" lacks \"" + part + "\"", line);
}

// ---- text and files ----

std::string utf8(const std::u16string &text)
{
    const auto *data = reinterpret_cast<const wchar_t *>(text.data());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, data, int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, data, int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

std::u16string folder()
{
    static const std::u16string path = [] {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        std::u16string dir = reinterpret_cast<const char16_t *>(temp);
        dir += u"wincom tests ✓\\";
        CreateDirectoryW(wide(dir), nullptr);
        return dir;
    }();
    return path;
}

std::u16string programFolder()
{
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::u16string path = reinterpret_cast<const char16_t *>(exe);
    return path.erase(path.find_last_of(u'\\') + 1);
}

void writeFile(const std::u16string &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string readFile(const std::u16string &path)
{
    HANDLE file = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// ---- the fake's settings and log ----

int g_logNumber = 0;

// A log of its own for every configuration: a local server of an earlier
// case may still be writing its last lines to the one it started with.
std::u16string logPath()
{
    const std::string number = std::to_string(g_logNumber);
    return folder() + u"calls-" + std::u16string(number.begin(), number.end()) + u".log";
}

void setSetting(const wchar_t *name, const std::u16string &value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kConfigKey, name, REG_SZ, wide(value),
                    DWORD((value.size() + 1) * sizeof(wchar_t)));
}

// A fresh log, and the faults and name the fake is to have.
void configure(const std::u16string &faults = {}, const std::u16string &name = {})
{
    ++g_logNumber;
    DeleteFileW(wide(logPath()));
    setSetting(L"Log", logPath());
    setSetting(L"Faults", faults);
    setSetting(L"Name", name);
    setSetting(L"Busy", u"");
}

std::vector<std::string> logLines()
{
    std::vector<std::string> lines;
    const std::string text = readFile(logPath());
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The calls alone, without the lines about objects and the process.
std::vector<std::string> callLines()
{
    std::vector<std::string> calls;
    for (const auto &line : logLines()) {
        if (line.find('(') != std::string::npos || line.rfind("! ", 0) == 0)
            calls.push_back(line);
    }
    return calls;
}

bool logHas(const std::string &wanted)
{
    for (const auto &line : logLines()) {
        if (line == wanted)
            return true;
    }
    return false;
}

// The local server's closing line, once it has ended (or "" after a while).
std::string exitLine()
{
    for (int i = 0; i < 100; ++i) {
        for (const auto &line : logLines()) {
            if (line.rfind("exit", 0) == 0)
                return line;
        }
        Sleep(100);
    }
    return {};
}

const std::string kCleanExit = "exit Application=0 Document=0 FindReplace=0";

// Objects of the in-process fake still referenced: Application, Document, FindReplace.
std::string liveInProc()
{
    using Live = void (*)(long *);
    HMODULE dll = GetModuleHandleW(L"fakepub-inproc.dll");
    FARPROC found = dll ? GetProcAddress(dll, "FakePubLive") : nullptr;
    auto live = reinterpret_cast<Live>(reinterpret_cast<void (*)()>(found));
    if (!live)
        return "not loaded";
    long counts[3] = {};
    live(counts);
    return std::to_string(counts[0]) + " " + std::to_string(counts[1]) + " " +
           std::to_string(counts[2]);
}

// ---- the editor's cycle ----

struct Pair {
    std::u16string find;
    std::u16string replace;
};

template <class T> T &need(const std::unique_ptr<T> &object)
{
    if (!object)
        throw Error("Object variable not set", 0);
    return *object;
}

// One publication as the publication editor does it: every step guarded, a
// failing step's description kept and the next step still tried.
std::vector<std::string> runEditor(const std::u16string &progId, const std::u16string &source,
                                   const std::vector<Pair> &pairs, bool matchCase,
                                   const std::u16string &output)
{
    std::vector<std::string> errors;
    auto step = [&](const std::function<void()> &action) {
        try {
            action();
        } catch (const Error &e) {
            errors.push_back(e.what());
        }
    };
    std::unique_ptr<Application> app;
    std::unique_ptr<Document> document;
    step([&] { app = Application::Create(progId); });
    step([&] { document = need(app).Open(source, false, true, 1); });
    for (const Pair &pair : pairs) {
        std::unique_ptr<FindReplace> find;
        step([&] { find = need(need(app).ActiveDocument()).Find(); });
        step([&] { need(find).Clear(); });
        step([&] { need(find).SetFindText(pair.find); });
        step([&] { need(find).SetReplaceWithText(pair.replace); });
        step([&] { need(find).SetReplaceScope(2); });
        step([&] { need(find).SetMatchCase(matchCase); });
        step([&] { need(find).SetMatchWholeWord(false); });
        step([&] { need(find).Execute(); });
    }
    step([&] { need(need(app).ActiveDocument()).SaveAs(output, 1, true); });
    step([&] { need(app).Quit(); });
    return errors;
}

std::string quoted(const std::u16string &text)
{
    return "BSTR:\"" + utf8(text) + "\"";
}

std::vector<std::string> cycleCalls(const std::u16string &source, const std::vector<Pair> &pairs,
                                    bool matchCase, const std::u16string &output)
{
    const std::string put = " named:PROPERTYPUT";
    std::vector<std::string> calls = {"Application.Open call(" + quoted(source) +
                                      ", BOOL:0, BOOL:-1, I4:1)"};
    for (const Pair &pair : pairs) {
        calls.insert(
            calls.end(),
            {"Application.ActiveDocument get()", "Document.Find get()", "FindReplace.Clear call()",
             "FindReplace.FindText put(" + quoted(pair.find) + ")" + put,
             "FindReplace.ReplaceWithText put(" + quoted(pair.replace) + ")" + put,
             "FindReplace.ReplaceScope put(I4:2)" + put,
             std::string("FindReplace.MatchCase put(BOOL:") + (matchCase ? "-1" : "0") + ")" + put,
             "FindReplace.MatchWholeWord put(BOOL:0)" + put, "FindReplace.Execute call()",
             "~FindReplace"});
    }
    calls.insert(calls.end(), {"Application.ActiveDocument get()",
                               "Document.SaveAs call(" + quoted(output) + ", I4:1, BOOL:-1)",
                               "Application.Quit call()"});
    return calls;
}

std::vector<std::string> withoutReleases(std::vector<std::string> lines)
{
    std::erase_if(lines, [](const std::string &line) { return line.rfind('~', 0) == 0; });
    return lines;
}

struct CycleCase {
    const char *what;
    std::u16string text;
    std::vector<Pair> pairs;
    bool matchCase;
    std::u16string wanted;
};

const std::vector<CycleCase> kCycles = {
    {"one pair, match case", u"Cat cat CAT", {{u"cat", u"dog"}}, true, u"Cat dog CAT"},
    {"sets, the second on the first's result, any case",
     u"Grüße aus Köln 😀",
     {{u"GRÜSSE", u"-"}, {u"grüße", u"Hallo"}, {u"hallo AUS", u"Servus von"}},
     false,
     u"Servus von Köln 😀"},
    {"no sets", u"unchanged ✓", {}, false, u"unchanged ✓"},
    {"empty find text, sent as an empty string", u"abc", {{u"", u"x"}}, false, u"abc"},
};

void publication(const std::u16string &text, std::u16string &source, std::u16string &output)
{
    source = folder() + u"Quelle – Grüße 日本.pub";
    output = folder() + u"Ergebnis ✓ 😀.pub";
    writeFile(source, utf8(text));
    DeleteFileW(wide(output));
}

// ---- cases ----

void inProcessCycles()
{
    for (const CycleCase &c : kCycles) {
        configure();
        std::u16string source, output;
        publication(c.text, source, output);
        const auto errors = runEditor(kInProc, source, c.pairs, c.matchCase, output);
        expectLines(errors, {}, __LINE__);
        std::vector<std::string> wanted = cycleCalls(source, c.pairs, c.matchCase, output);
        wanted.insert(wanted.begin(), "create Application");
        wanted.insert(wanted.end(), {"~Document", "~Application"});
        expectLines(logLines(), wanted, __LINE__);
        expect(readFile(output) == utf8(c.wanted), c.what + (": " + readFile(output)), __LINE__);
        expect(liveInProc() == "0 0 0", std::string(c.what) + ": live " + liveInProc(), __LINE__);
    }
}

void localServerCycles()
{
    for (const CycleCase &c : {kCycles[0], kCycles[1]}) {
        configure();
        std::u16string source, output;
        publication(c.text, source, output);
        const auto errors = runEditor(kLocal, source, c.pairs, c.matchCase, output);
        expectLines(errors, {}, __LINE__);
        expectLines(callLines(), withoutReleases(cycleCalls(source, c.pairs, c.matchCase, output)),
                    __LINE__);
        expect(readFile(output) == utf8(c.wanted), c.what + (": " + readFile(output)), __LINE__);
        expect(exitLine() == kCleanExit, c.what + (": " + exitLine()), __LINE__);
    }
}

void failingOpen()
{
    for (const auto &progId : {kInProc, kLocal}) {
        configure(u"Application.Open=exception");
        std::u16string source, output;
        publication(u"text", source, output);
        const auto errors = runEditor(progId, source, {{u"a", u"b"}}, false, output);
        expect(!errors.empty() && errors[0] == "Fake failure in Application.Open",
               "first error: " + (errors.empty() ? std::string() : errors[0]), __LINE__);
        expect(logHas("Application.Quit call()"), "Quit not attempted", __LINE__);
        expect(readFile(output) == "<missing>", "output written", __LINE__);
        if (progId == kInProc)
            expect(liveInProc() == "0 0 0", "live " + liveInProc(), __LINE__);
        else
            expect(exitLine() == kCleanExit, exitLine(), __LINE__);
    }
}

struct DescriptionCase {
    const char16_t *faults;
    std::function<void(Application &)> action;
    const char *wanted;
    long hresult;
};

void errorDescriptions()
{
    auto execute = [](Application &app) {
        std::u16string source, output;
        publication(u"x", source, output);
        app.Open(source, false, true, 1)->Find()->Execute();
    };
    const std::vector<DescriptionCase> cases = {
        {u"FindReplace.Execute=exception", execute, "Fake failure in FindReplace.Execute", E_FAIL},
        {u"FindReplace.Execute=deferred", execute, "Description filled in on demand", E_FAIL},
        {u"FindReplace.Execute=hresult", execute, "(Execute, 0x80070005)", E_ACCESSDENIED},
        {u"Application.Open=mismatch", execute, "Type mismatch (argument 4 of Open, 0x80020005)",
         DISP_E_TYPEMISMATCH},
        {u"Application.Name=unknown", [](Application &app) { app.name(); },
         "no member of this name (name, 0x80020006)", DISP_E_UNKNOWNNAME},
    };
    for (const auto &c : cases) {
        configure(c.faults);
        try {
            auto app = Application::Create(kInProc);
            c.action(*app);
            expect(false, utf8(c.faults) + ": no error", __LINE__);
        } catch (const Error &e) {
            expectContains(e.what(), c.wanted, __LINE__);
            expect(e.hresult() == c.hresult, utf8(c.faults) + ": code", __LINE__);
        }
        expect(liveInProc() == "0 0 0", "live " + liveInProc(), __LINE__);
    }
}

void deferredFillInThroughProxy()
{
    configure(u"FindReplace.Execute=deferred");
    std::u16string source, output;
    publication(u"x", source, output);
    std::string message;
    try {
        auto app = Application::Create(kLocal);
        app->Open(source, false, true, 1)->Find()->Execute();
    } catch (const Error &e) {
        message = e.what();
    }
    // Not called through the proxy (that would crash), so the code's own text.
    expectContains(message, "(Execute, 0x80020009)", __LINE__);
    EXPECT(exitLine() == kCleanExit);
}

void busyServer()
{
    configure();
    setSetting(L"Busy", u"3");
    std::u16string source, output;
    publication(kCycles[0].text, source, output);
    const auto errors = runEditor(kLocal, source, kCycles[0].pairs, true, output);
    expectLines(errors, {}, __LINE__);
    EXPECT(readFile(output) == utf8(kCycles[0].wanted));
    const auto calls = callLines();
    EXPECT(std::count(calls.begin(), calls.end(), "! busy") == 3);
    EXPECT(exitLine() == kCleanExit);
}

void serverDiesMidCall()
{
    configure(u"FindReplace.Execute=crash");
    std::u16string source, output;
    publication(u"x", source, output);
    const auto started = std::chrono::steady_clock::now();
    const auto errors = runEditor(kLocal, source, {{u"x", u"y"}}, false, output);
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started)
            .count();
    // Generous: a hang would last minutes.
    expect(seconds < 30, "took " + std::to_string(seconds) + " s", __LINE__);
    // Execute, SaveAs and Quit each report the dead server.
    expect(errors.size() == 3, "errors:\n" + joined(errors), __LINE__);
    EXPECT(logHas("crash"));
}

void ownedInstanceQuitOnlyOnce()
{
    configure();
    {
        auto app = Application::Create(kInProc);
    }
    expectLines(callLines(), {"Application.Quit call()"}, __LINE__);

    configure();
    {
        auto app = Application::Create(kInProc);
        app->Quit();
    }
    expectLines(callLines(), {"Application.Quit call()"}, __LINE__);
    EXPECT(liveInProc() == "0 0 0");
}

// A fake started like a program the user opened, registered as running.
class Standalone {
public:
    explicit Standalone(const std::u16string &name)
    {
        std::u16string command =
            u"\"" + programFolder() + u"fakepub.exe\" /standalone \"" + name + u"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        CreateProcessW(nullptr, const_cast<wchar_t *>(wide(command)), nullptr, nullptr, FALSE, 0,
                       nullptr, nullptr, &startup, &m_process);
        CloseHandle(m_process.hThread);
        for (int i = 0; i < 100 && !logHas("running registered"); ++i)
            Sleep(100);
    }
    ~Standalone()
    {
        HANDLE stop = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"VantrelleFakePublisherStop");
        if (stop) {
            SetEvent(stop);
            CloseHandle(stop);
        }
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hProcess);
    }

private:
    PROCESS_INFORMATION m_process{};
};

void runningInstance()
{
    configure();
    EXPECT(Application::Running(kLocal) == nullptr);
    EXPECT(Application::Running(u"Vantrelle.NoSuchProgram") == nullptr);

    for (const std::u16string name : {u"Microsoft Publisher", u"Another Program – ✓"}) {
        configure();
        Standalone program(name);
        for (int look = 0; look < 2; ++look) {
            auto app = Application::Running(kLocal);
            expect(app && app->name() == name, "lookup " + std::to_string(look), __LINE__);
        }
        // Found twice and let go twice, never quit.
        expectLines(callLines(), {"Application.Name get()", "Application.Name get()"}, __LINE__);
    }
}

void notRegistered()
{
    try {
        Application::Create(u"Vantrelle.NoSuchProgram");
        EXPECT(false);
    } catch (const Error &e) {
        expectContains(e.what(), "No program is registered under this name", __LINE__);
        EXPECT(e.hresult() == CO_E_CLASSSTRING);
    }
    // The code varies between Wine and Windows; only that it fails plainly.
    try {
        Application::Create(u"Vantrelle.FakePublisher.Missing");
        EXPECT(false);
    } catch (const Error &e) {
        expectContains(e.what(), "Vantrelle.FakePublisher.Missing", __LINE__);
    }
}

void threadWithoutCom()
{
    long code = 0;
    std::string message;
    std::thread([&] {
        try {
            Application::Create(kInProc);
        } catch (const Error &e) {
            code = e.hresult();
            message = e.what();
        }
    }).join();
    EXPECT(code == CO_E_NOTINITIALIZED);
    expectContains(message, "COM is not initialised", __LINE__);
}

void objectFromAnotherThread()
{
    configure();
    auto app = Application::Create(kInProc);
    long code = 0;
    std::thread([&] {
        Apartment apartment;
        try {
            app->name();
        } catch (const Error &e) {
            code = e.hresult();
        }
    }).join();
    EXPECT(code == RPC_E_WRONG_THREAD);
    EXPECT(app->name() == u"Microsoft Publisher");
    expectLines(callLines(), {"Application.Name get()"}, __LINE__);
}

void apartmentOnMtaThread()
{
    HRESULT after = E_FAIL;
    bool created = false;
    std::thread([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            Apartment apartment;
            created = Application::Create(kInProc) != nullptr;
        }
        // Still in the MTA: the Apartment did not leave what it had not joined.
        after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        CoUninitialize();
        CoUninitialize();
    }).join();
    EXPECT(created);
    EXPECT(after == S_FALSE);
}

struct Case {
    const char *name;
    void (*run)();
};

const Case kCases[] = {
    {"in-process editor cycles", inProcessCycles},
    {"local server editor cycles", localServerCycles},
    {"failing Open", failingOpen},
    {"error descriptions", errorDescriptions},
    {"deferred fill-in through a proxy", deferredFillInThroughProxy},
    {"busy server: refused calls sent again", busyServer},
    {"server dies mid-call", serverDiesMidCall},
    {"owned instance quit once", ownedInstanceQuitOnlyOnce},
    {"running instance", runningInstance},
    {"ProgID not registered", notRegistered},
    {"thread without COM", threadWithoutCom},
    {"object used from another thread", objectFromAnotherThread},
    {"apartment on an MTA thread", apartmentOnMtaThread},
};

} // namespace

int main()
{
    Apartment apartment;
    int passed = 0;
    int failed = 0;
    for (const Case &c : kCases) {
        g_problems.clear();
        try {
            c.run();
        } catch (const std::exception &e) {
            g_problems.push_back(std::string("uncaught: ") + e.what());
        }
        std::printf("%s %s\n", g_problems.empty() ? "PASS" : "FAIL", c.name);
        for (const auto &problem : g_problems)
            std::printf("  %s\n", problem.c_str());
        std::fflush(stdout);
        (g_problems.empty() ? passed : failed) += 1;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
