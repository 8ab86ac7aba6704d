// The compound-file writer against its own reader and olefile (strict), over
// the sizes where the layout changes: empty, small parts, the cutoff, and a
// part large enough that the allocation table outgrows the header.
#include "pubengine/cfb.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/skip.h"

#include <gtest/gtest.h>

#include <map>

using namespace vantrelle::pubengine;

TEST(Container, writtenTreeReadsBackHereAndInOlefile)
{
    std::map<std::string, Bytes> streams; // path -> bytes
    cfb::Node root;
    cfb::setName(root.raw, u"Root Entry");
    root.raw[0x50] = 0x42; // a class id
    root.storage = true;
    cfb::Node folder;
    cfb::setName(folder.raw, u"Quill");
    folder.storage = true;
    int n = 0;
    for (std::size_t size : {0, 1, 63, 64, 4095, 4096, 4097, 9 << 20}) {
        Bytes data(size);
        for (std::size_t i = 0; i < size; ++i)
            data[i] = static_cast<std::uint8_t>(i * 7 + n);
        const std::string name = (n % 2 ? "b" : "A") + std::to_string(size);
        streams[(n % 3 ? "" : "Quill/") + name] = std::move(data);
        ++n;
    }
    std::vector<cfb::Node> top;
    for (const auto &[path, data] : streams) {
        cfb::Node s;
        const std::string name = path.substr(path.find('/') + 1);
        cfb::setName(s.raw, std::u16string(name.begin(), name.end()));
        s.data = data;
        (path.starts_with("Quill/") ? folder.children : top).push_back(s);
    }
    root.children = top;
    root.children.push_back(folder);
    const Bytes file = cfb::write(root);

    const cfb::Directory dir = cfb::read(file);
    EXPECT_EQ(dir.entries[0].raw[0x50], 0x42);
    std::map<std::string, Bytes> back;
    for (std::size_t i : dir.entries[0].children) {
        const cfb::Entry &e = dir.entries[i];
        if (!e.storage)
            back[e.name] = e.data;
        for (std::size_t k : e.children)
            back[e.name + "/" + dir.entries[k].name] = dir.entries[k].data;
    }
    EXPECT_TRUE(back == streams);

    QTemporaryDir temp;
    QFile out(temp.filePath("c.ole"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char *>(file.data()), qint64(file.size()));
    out.close();
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c",
                  "import hashlib,olefile,sys\n"
                  "f = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)\n"
                  "for p in f.listdir():\n"
                  "    print('/'.join(p), hashlib.md5(f.openstream(p).read()).hexdigest())\n",
                  out.fileName()});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        if (python.readAllStandardError().contains("No module named"))
            VANTRELLE_SKIP("olefile is not installed (python3-olefile)");
        FAIL() << "olefile refused the file: " << python.readAllStandardError().toStdString();
    }
    QStringList expected;
    for (const auto &[path, data] : streams)
        expected << QString::fromStdString(path) + " " +
                        QCryptographicHash::hash(QByteArrayView(data.data(), qsizetype(data.size())),
                                                 QCryptographicHash::Md5)
                            .toHex();
    QStringList listed = QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
}
