// The user's settings store on Windows is the registry key the old program
// kept its choices in: what it wrote is read, what the program writes is
// there at once, both as text values read by the registry's own functions.
#include "shell/settings.h"

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>

using namespace vantrelle;

namespace {

const wchar_t kKey[] = L"Software\\VB and VBA Program Settings\\Quillorn\\Vantrelle";

std::wstring registryText(const wchar_t *name)
{
    wchar_t buffer[512] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return L"(absent)";
    return buffer;
}

void setRegistryText(const wchar_t *name, const std::wstring &text)
{
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_SZ, text.c_str(),
                              DWORD((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

} // namespace

TEST(SettingsStore, windowsKeepsTheChoicesWhereTheOldProgramDid)
{
    // The user's own store: under Wine a fresh prefix's, which the run throws away.
    const wchar_t *const names[] = {L"Output Folder", L"Check2", L"Option1"};
    std::wstring kept[3];
    for (int i = 0; i < 3; ++i)
        kept[i] = registryText(names[i]);
    setRegistryText(L"Output Folder", L"C:\\Flyers\\Spring\\");
    setRegistryText(L"Check2", L"1");
    {
        SettingsStore store;
        EXPECT_EQ(store.get(keys::OutputFolder), QStringLiteral("C:\\Flyers\\Spring\\"));
        EXPECT_EQ(store.number(keys::Check2), 1);
        store.set(keys::OutputFolder, QStringLiteral("D:\\Ausgabe\\"));
        store.set(keys::Option1, QStringLiteral("False"));
        EXPECT_EQ(registryText(L"Output Folder"), L"D:\\Ausgabe\\");
        EXPECT_EQ(registryText(L"Option1"), L"False");
    }
    for (int i = 0; i < 3; ++i) {
        if (kept[i] == L"(absent)")
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, names[i]);
        else
            setRegistryText(names[i], kept[i]);
    }
}
#endif
