#include "pubengine/publication.h"

#include "pubengine/compound.h"
#include "pubengine/enginetext.h"
#include "pubengine/wordart.h"

#include "fsutil/fileid.h"
#include "fsutil/windowsfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <windows.h>

#include <algorithm>
#include <memory>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrelle::pubengine {

namespace {

const std::vector<std::string> kQuillPath{"Quill", "QuillSub", "CONTENTS"};
const std::vector<std::string> kContentsPath{"Contents"};
const std::vector<std::string> kDrawingPath{"Escher", "EscherStm"};
const std::vector<StreamPath> kPropertyPaths{{kSummaryStream}, {kDocumentSummaryStream}};

std::u16string toU16(const QString &s)
{
    return std::u16string(reinterpret_cast<const char16_t *>(s.utf16()), s.size());
}

#ifdef Q_OS_WIN
// Read whole through one handle opened sharing reading only: a program that
// holds the file open to write it fails the document with a sharing
// violation ("in use by another program") instead of handing over half of
// its bytes. What the file is, its size and its identity are asked of that
// same handle, so they are the file's whose bytes are read, and no path is
// looked up twice.
QByteArray readWhole(const QString &path, const QString &name, std::optional<FileId> &identity)
{
    const auto cannot = [&](const QString &why) {
        return PlainFailure(EngineText::tr("Cannot open “%1”: %2.").arg(name, why));
    };
    if (const QString reserved = ReservedNameReason(path); !reserved.isEmpty())
        throw cannot(reserved);
    const HANDLE handle =
        CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw cannot(WindowsErrorText(GetLastError()));
    const std::unique_ptr<void, decltype(&CloseHandle)> closing(handle, &CloseHandle);
    FILE_STANDARD_INFO standard{};
    QString irregular;
    if (GetFileType(handle) != FILE_TYPE_DISK)
        irregular = EngineText::tr("a device");
    else if (!GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard))
        throw cannot(WindowsErrorText(GetLastError()));
    else if (standard.Directory)
        irregular = EngineText::tr("a folder");
    if (!irregular.isEmpty())
        throw cannot(EngineText::tr("it is not a regular file but %1; only publication files can "
                                    "be opened")
                         .arg(irregular));
    if (standard.EndOfFile.QuadPart > Publication::kMaxFileSize)
        throw PlainFailure(EngineText::tr("Cannot open “%1”: the file is larger than %2 MiB, more "
                                     "than any publication this engine edits.")
                          .arg(name)
                          .arg(Publication::kMaxFileSize / (1024ll * 1024)));
    identity = FileIdOfHandle(handle);
    // Read to the end, one byte past the size asked above: a file that grew
    // meanwhile is read whole and caught by the size check after.
    QByteArray bytes(qsizetype(standard.EndOfFile.QuadPart) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > Publication::kMaxFileSize)
                break;
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, Publication::kMaxFileSize + 1));
        }
        DWORD n = 0;
        if (!ReadFile(handle, bytes.data() + done, DWORD(bytes.size() - done), &n, nullptr))
            throw PlainFailure(EngineText::tr("Cannot read “%1”: %2.")
                              .arg(name, WindowsErrorText(GetLastError())));
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}
#else

// What a path that is no regular file is, for the refusal.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return EngineText::tr("a folder");
    if (S_ISFIFO(mode))
        return EngineText::tr("a named pipe");
    if (S_ISSOCK(mode))
        return EngineText::tr("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return EngineText::tr("a device");
    return EngineText::tr("some other kind of entry");
}

[[noreturn]] void refuseIrregular(const QString &name, mode_t mode)
{
    throw PlainFailure(EngineText::tr("Cannot open “%1”: it is not a regular file but %2; only "
                                      "publication files can be opened.")
                           .arg(name, kindOf(mode)));
}
#endif

} // namespace

Publication::Publication() = default;
Publication::Publication(Publication &&) noexcept = default;
Publication &Publication::operator=(Publication &&) noexcept = default;
Publication::~Publication() = default;

namespace {

// The reason of a failure, as the end of a sentence about the file.
QString reasonOf(const std::exception &e)
{
    QString reason = QString::fromUtf8(e.what());
    if (!reason.isEmpty() && !reason.endsWith(u'.'))
        reason += u'.';
    // Each translation of a damaged file's reasons starts with the
    // translation of this beginning.
    if (reason.startsWith(QLatin1String("the file is damaged")) ||
        reason.startsWith(EngineText::tr("the file is damaged")))
        reason += u' ' + EngineText::tr("Use an undamaged copy of it, such as a backup.");
    return reason;
}

} // namespace

Publication Publication::open(const QString &path, QByteArray *sha256)
{
    Publication pub;
    pub.m_path = path;
    pub.m_name = QDir::toNativeSeparators(path);
#ifdef Q_OS_WIN
    QByteArray bytes = readWhole(path, pub.m_name, pub.m_source);
#else
    // A named pipe or a device would block the read or never end: look
    // first, open without blocking, and look again at what was opened.
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        refuseIrregular(pub.m_name, st.st_mode);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw PlainFailure(
            EngineText::tr("Cannot open “%1”: %2.").arg(pub.m_name, qt_error_string(errno)));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        refuseIrregular(pub.m_name, st.st_mode);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw PlainFailure(
            EngineText::tr("Cannot open “%1”: %2.").arg(pub.m_name, file.errorString()));
    }
    if (file.size() > kMaxFileSize)
        throw PlainFailure(EngineText::tr("Cannot open “%1”: the file is larger than %2 MiB, more "
                                          "than any publication this engine edits.")
                               .arg(pub.m_name)
                               .arg(kMaxFileSize / (1024ll * 1024)));
    pub.m_source = FileIdOf(fd);
    // readAll sizes its buffer by the file (a read of the limit would reserve
    // the whole limit for every document); a file that grew meanwhile is
    // caught by the size check below.
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PlainFailure(
            EngineText::tr("Cannot read “%1”: %2.").arg(pub.m_name, file.errorString()));
#endif
    if (bytes.size() > kMaxFileSize)
        throw PlainFailure(
            EngineText::tr("Cannot open “%1”: the file is too large.").arg(pub.m_name));
    if (sha256)
        *sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    pub.load(std::move(bytes));
    return pub;
}

Publication Publication::fromBytes(QByteArray bytes, const QString &name)
{
    Publication pub;
    pub.m_name = name;
    if (bytes.size() > kMaxFileSize)
        throw PlainFailure(EngineText::tr("Cannot open “%1”: the file is too large.").arg(name));
    pub.load(std::move(bytes));
    return pub;
}

void Publication::load(QByteArray bytes)
{
    try {
        const qsizetype size = bytes.size();
        refuseFlatPublication(
            ByteView(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(size)));
        m_compound = std::make_unique<CompoundFile>(std::move(bytes));
        std::optional<Bytes> stream = m_compound->readStream(kQuillPath, std::size_t(size));
        if (!stream) {
            if (std::optional<Bytes> contents =
                    m_compound->readStream(kContentsPath, std::size_t(size))) {
                loadPub97(std::move(*contents));
                return;
            }
        }
        if (!stream)
            throw FormatError(
                EngineText::tr("it is not a publication (its container holds no publication)"));
        if (const std::optional<Bytes> drawing =
                m_compound->readStream(kDrawingPath, std::size_t(size)))
            m_wordArt = wordArtTexts(*drawing);
        try {
            m_quill = QuillStream::parse(*stream);
            const std::vector<std::string> problems = m_quill.invariantViolations();
            if (!problems.empty())
                throw FormatError(problems.front());
        } catch (const FormatError &e) {
            throw FormatError(EngineText::tr("the file is damaged, or stores its text in a way "
                                             "this program does not know (%1)")
                                  .arg(QString::fromUtf8(e.what())));
        }
    } catch (const PlainFailure &e) {
        throw PlainFailure(EngineText::tr("Cannot read “%1”: %2").arg(m_name, reasonOf(e)));
    } catch (const std::exception &e) {
        throw Failure(EngineText::tr("Cannot read “%1”: %2").arg(m_name, reasonOf(e)));
    }
}

void Publication::loadPub97(Bytes contents)
{
    try {
        m_pub97 = Pub97Stream::parse(std::move(contents));
        if (const std::vector<std::string> problems = m_pub97->invariantViolations();
            !problems.empty())
            throw FormatError(problems.front());
    } catch (const VersionError &) {
        throw;
    } catch (const FormatError &e) {
        const std::string what = e.what();
        throw FormatError(EngineText::tr("the file is damaged, or stores its text in a way this "
                                         "program does not know (%1)")
                              .arg(QString::fromStdString(what)));
    }
}

std::size_t Publication::storyCount() const
{
    return m_pub97 ? m_pub97->storyCount() : m_quill.storyCount();
}

std::u16string_view Publication::story(std::size_t k) const
{
    return m_pub97 ? std::u16string_view(m_pub97->story(k)) : m_quill.story(k);
}

std::optional<Bytes> Publication::stream(const StreamPath &path) const
{
    return m_compound ? m_compound->readStream(path, std::size_t(kMaxFileSize)) : std::nullopt;
}

std::vector<PropertySetStream> &Publication::propertySets()
{
    if (m_propertiesRead)
        return m_propertySets;
    for (const StreamPath &path : kPropertyPaths) {
        if (const std::optional<Bytes> bytes =
                m_compound->readStream(path, std::size_t(kMaxFileSize))) {
            try {
                m_propertySets.push_back(PropertySetStream::parse(*bytes));
            } catch (const FormatError &e) {
                throw Failure(EngineText::tr("its document properties cannot be read (%1)")
                                  .arg(QString::fromUtf8(e.what())));
            }
            m_propertyPaths.push_back(path);
        }
    }
    m_propertiesRead = true;
    return m_propertySets;
}

ReplaceResult Publication::replaceAll(const QString &find, const QString &replacement,
                                      MatchOptions options, std::size_t listLimit, Places places,
                                      bool countOnly, const std::vector<ChosenChange> *choices)
{
    try {
        const Matcher matcher(toU16(find), toU16(replacement), options);
        std::optional<QuillStream> scratchText;
        std::optional<Pub97Stream> scratch97;
        std::vector<PropertySetStream> scratchProperties;
        QuillStream &quill = countOnly ? scratchText.emplace(m_quill) : m_quill;
        std::vector<PropertySetStream> *sets = nullptr;
        if (places.documentProperties) {
            sets = &propertySets();
            if (countOnly) {
                scratchProperties = *sets;
                sets = &scratchProperties;
            }
        }
        ReplaceResult result;
        if (m_pub97) {
            // A review's choices name positions in the later formats' stories.
            if (choices)
                throw Failure(EngineText::tr("choosing single changes is not offered for "
                                             "publications of Publisher 95 and 97 yet; replace "
                                             "all of them, or none"));
            result =
                (countOnly ? scratch97.emplace(*m_pub97) : *m_pub97).replaceAll(matcher, listLimit);
        } else {
            result = quill.replaceAll(matcher, listLimit, choices);
        }
        auto room = [&] { return listLimit - std::min(listLimit, result.changes.size()); };
        std::vector<ReplaceChange> more;
        if (places.linkAddresses && !m_pub97)
            result.inLinks = quill.replaceInLinks(matcher, more, room());
        result.changes.insert(result.changes.end(), more.begin(), more.end());
        more.clear();
        if (sets) {
            for (PropertySetStream &set : *sets)
                result.inProperties += set.replaceAll(matcher, more, room() - more.size());
        }
        result.changes.insert(result.changes.end(), more.begin(), more.end());
        for (const std::u16string &text : m_wordArt) {
            const std::vector<TextMatch> at = matcher.findAll(text);
            result.left[static_cast<int>(LeftReason::WordArt)] += at.size();
            for (std::size_t k = 0; k < at.size() && room() > 0; ++k) {
                ReplaceChange c;
                c.before = c.after = contextAround(text, at[k].position, at[k].length);
                c.left = true;
                c.reason = LeftReason::WordArt;
                c.place = u"WordArt";
                result.changes.push_back(std::move(c));
            }
        }
        return result;
    } catch (const PlainFailure &e) {
        throw PlainFailure(
            EngineText::tr("Cannot replace “%1” in “%2”: %3").arg(find, m_name, reasonOf(e)));
    } catch (const std::exception &e) {
        throw Failure(
            EngineText::tr("Cannot replace “%1” in “%2”: %3").arg(find, m_name, reasonOf(e)));
    }
}

std::vector<std::pair<QString, QString>> Publication::documentProperties()
{
    std::vector<std::pair<QString, QString>> out;
    try {
        for (const PropertySetStream &set : propertySets()) {
            for (const PropertySetStream::TextProperty &p : set.textProperties())
                out.emplace_back(QString::fromUtf16(p.name.data(), qsizetype(p.name.size())),
                                 QString::fromUtf16(p.value.data(), qsizetype(p.value.size())));
        }
    } catch (const PlainFailure &e) {
        throw PlainFailure(EngineText::tr("Cannot read “%1”: %2").arg(m_name, reasonOf(e)));
    } catch (const std::exception &e) {
        throw Failure(EngineText::tr("Cannot read “%1”: %2").arg(m_name, reasonOf(e)));
    }
    return out;
}

std::pair<StreamPath, Bytes> Publication::textStreamEdit() const
{
    // Re-read what is about to be written and hold it to every invariant.
    std::vector<std::string> problems;
    if (m_pub97) {
        const Pub97Stream check = Pub97Stream::parse(m_pub97->bytes());
        problems = check.invariantViolations();
        bool same = check.storyCount() == m_pub97->storyCount();
        for (std::size_t k = 0; same && k < check.storyCount(); ++k)
            same = check.story(k) == m_pub97->story(k);
        if (!same)
            problems.emplace_back("the rebuilt text differs from the edited text");
        if (problems.empty())
            return {kContentsPath, m_pub97->bytes()};
    } else {
        const Bytes stream = m_quill.build();
        const QuillStream check = QuillStream::parse(stream);
        problems = check.invariantViolations();
        if (check.text() != m_quill.text())
            problems.emplace_back("the rebuilt text differs from the edited text");
        if (problems.empty())
            return {kQuillPath, stream};
    }
    throw Failure(
        EngineText::tr("the rebuilt text stream failed its checks (%1); nothing was written")
            .arg(QString::fromStdString(problems.front())));
}

QByteArray Publication::toBytes() const
{
    try {
        CompoundFile::StreamEdits edits{textStreamEdit()};
        for (std::size_t i = 0; i < m_propertySets.size(); ++i) {
            if (m_propertySets[i].changed())
                edits.emplace(m_propertyPaths[i], m_propertySets[i].bytes());
        }
        QByteArray out = m_compound->rewrite(edits);
        const CompoundFile written(out);
        std::vector<StreamPath> editedPaths;
        for (const auto &[path, bytes] : edits) {
            const std::optional<Bytes> back = written.readStream(path, std::size_t(out.size()));
            if (!back || *back != bytes)
                throw Failure(
                    EngineText::tr("the written compound file does not hold the edited streams"));
            editedPaths.push_back(path);
        }
        // Nothing but what was edited may change: every other part, name and
        // class id must come out as it went in.
        const std::vector<std::string> changed = m_compound->differences(written, editedPaths);
        if (!changed.empty())
            throw Failure(EngineText::tr("the written file would not keep its part \"%1\" "
                                         "unchanged; nothing was written")
                              .arg(QString::fromStdString(changed.front())));
        return out;
    } catch (const std::exception &e) {
        throw Failure(EngineText::tr("Cannot save “%1”: %2").arg(m_name, reasonOf(e)));
    }
}

void Publication::saveAs(const QString &path) const
{
    const QString target = QDir::toNativeSeparators(path);
#ifdef Q_OS_WIN
    if (const QString reserved = ReservedNameReason(path); !reserved.isEmpty())
        throw PlainFailure(
            EngineText::tr("Cannot save “%1” as “%2”: %3.").arg(m_name, target, reserved));
#endif
    // No file at that name (a new result) cannot be the source: one lookup
    // then; with one there, it is neither the file read nor the one now at
    // the source's path.
    const std::optional<FileId> there = FileIdOf(path);
    if (there && ((m_source && m_source == there) || (!m_path.isEmpty() && SameFile(m_path, path))))
        throw PlainFailure(
            EngineText::tr("Cannot save “%1” as “%2”: that is the file it was opened "
                           "from, which is never overwritten.")
                .arg(m_name, target));
    // QSaveFile writes to the target of a symbolic link; a result is only ever
    // written to its own path, so a link there is refused instead.
    if (QFileInfo(path).isSymLink())
        throw PlainFailure(
            EngineText::tr("Cannot save “%1” as “%2”: that name is a symbolic link, and "
                           "a result is never written through a link to another file.")
                .arg(m_name, target));
    const QByteArray bytes = toBytes();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PlainFailure(EngineText::tr("Cannot save “%1” as “%2”: %3.")
                               .arg(m_name, target, file.errorString()));
    // Written straight to the temporary file, so that a write the disk refuses
    // fails with the system's reason ("No space left on device"); through
    // QSaveFile's buffer the failure only shows as an unknown error.
    QString reason;
#ifdef Q_OS_WIN
    // QSaveFile writes unbuffered, so a refused write has the system's reason.
    if (file.write(bytes) != bytes.size())
        reason = file.errorString();
#else
    for (qsizetype done = 0; done < bytes.size() && reason.isEmpty();) {
        const ssize_t n = ::write(file.handle(), bytes.constData() + done,
                                  static_cast<std::size_t>(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0)
            reason = EngineText::tr("the disk took no more data");
        else if (errno != EINTR)
            reason = qt_error_string(errno);
    }
#endif
    if (reason.isEmpty() && !file.commit())
        reason = file.errorString();
    if (!reason.isEmpty()) {
        file.cancelWriting();
        throw PlainFailure(
            EngineText::tr("Cannot save “%1” as “%2”: %3.").arg(m_name, target, reason));
    }
}

QString leftReasonText(LeftReason reason)
{
    static const char *const reasons[kLeftReasonCount] = {
        QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText",
                          "it would change a field such as a page number"),
        QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText",
                          "it would remove all the text of a hyperlink or placeholder"),
        QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText",
                          "it would remove the whole formatted text of a stretch this program "
                          "cannot remove yet (replace it by at least one character instead)"),
        QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText", "in WordArt, which is not edited"),
        QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText",
                          "in text whose font has no code page this program writes (a symbol "
                          "font, or one without a known character set), which is not edited"),
        QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText", "not ticked"),
        QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText",
                          "it was found in the text of a change that was not ticked"),
    };
    return EngineText::tr(reasons[static_cast<int>(reason)]);
}

QString describeLeft(const ReplaceResult &result, const QString &find)
{
    const std::size_t total = result.leftTotal();
    if (total == 0)
        return {};
    QStringList parts;
    for (int r = 0; r < kLeftReasonCount; ++r) {
        if (result.left[r] == 0)
            continue;
        const QString reason = leftReasonText(static_cast<LeftReason>(r));
        // Where an occurrence is needs no "because".
        const LeftReason kind = static_cast<LeftReason>(r);
        const QString why = kind == LeftReason::WordArt || kind == LeftReason::NoCodePage
                                ? reason
                            : kind == LeftReason::NotTicked ? EngineText::tr("(%1)").arg(reason)
                                                            : EngineText::tr("because %1").arg(reason);
        parts << (total == result.left[r] ? why
                                          : EngineText::tr("%1 %2").arg(result.left[r]).arg(why));
    }
    // One occurrence has a sentence of its own, so that the English reads
    // right where no translation is installed (the engine's own tests).
    const QString sentence =
        total == 1
            ? EngineText::tr("1 occurrence of “%1” was left unchanged %2.")
            : EngineText::tr("%n occurrences of “%1” were left unchanged %2.", nullptr, int(total));
    return sentence.arg(find, parts.join(EngineText::tr(", ")));
}

} // namespace vantrelle::pubengine
