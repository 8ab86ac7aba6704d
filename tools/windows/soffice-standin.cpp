// A stand-in for LibreOffice's soffice.exe in the Windows tests: for each
// publication after "--convert-to pdf --outdir DIR" it writes DIR\NAME.pdf,
// a small whole PDF, and says "convert IN -> OUT" as LibreOffice does.
#include <cstdio>
#include <string>

int wmain(int argc, wchar_t **argv)
{
    std::wstring out;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--outdir" && i + 1 < argc) {
            out = argv[++i];
            continue;
        }
        if (arg.rfind(L"-", 0) == 0 || arg == L"pdf")
            continue;
        const std::wstring name = arg.substr(arg.find_last_of(L"\\/") + 1);
        const std::wstring pdf = out + L"\\" + name.substr(0, name.rfind(L'.')) + L".pdf";
        FILE *f = _wfopen(pdf.c_str(), L"wb");
        if (!f)
            return 1;
        std::fputs("%PDF-1.4\n% stand-in\n%%EOF\n", f);
        std::fclose(f);
        std::printf("convert %ls -> %ls using filter : writer_pdf_Export\n", arg.c_str(),
                    pdf.c_str());
        std::fflush(stdout);
    }
    return 0;
}
