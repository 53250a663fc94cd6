// libgcab's GLib headers use `signals` as a member name, which Qt defines as a keyword macro:
// they come before every Qt header.
// clang-format off
#include <libgcab.h>
// clang-format on

#include "export/cabinet.h"

#include "editing/legacytext.h"
#include "export/stagedfile.h"
#include "shell/progressreport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFree>;

// Collects the error a GLib call reports through its GError** argument.
class GErrorSlot {
public:
    GError** out() { return &m_raw; }
    GErrorPtr take() { return GErrorPtr(std::exchange(m_raw, nullptr)); }
    ~GErrorSlot()
    {
        if (m_raw)
            g_error_free(m_raw);
    }

private:
    GError* m_raw = nullptr;
};

GObjectPtr<GFile> gfileFor(const QString& path)
{
    return GObjectPtr<GFile>(g_file_new_for_path(QFile::encodeName(path).constData()));
}

// A failure reported by GLib or libgcab as a FileError: the format errors of a damaged
// archive, a full disk, missing or refused files each get their number. Some libgcab calls
// fail without setting an error; `what` alone then describes it.
FileError gError(GErrorSlot& slot, const QString& what)
{
    const GErrorPtr error = slot.take();
    if (!error)
        return { ErrorNumbers::fileAccess, what };
    int number = ErrorNumbers::fileAccess;
    if (error->domain == GCAB_ERROR)
        number = FileErrorNumbers::invalidFileFormat;
    else if (error->domain == G_IO_ERROR) {
        switch (error->code) {
        case G_IO_ERROR_NO_SPACE:
            number = FileErrorNumbers::diskFull;
            break;
        case G_IO_ERROR_NOT_FOUND:
            number = ErrorNumbers::fileNotFound;
            break;
        case G_IO_ERROR_PERMISSION_DENIED:
            number = FileErrorNumbers::permissionDenied;
            break;
        case G_IO_ERROR_INVALID_DATA:
        case G_IO_ERROR_PARTIAL_INPUT:
            number = FileErrorNumbers::invalidFileFormat;
            break;
        default:
            break;
        }
    }
    return { number, what + QStringLiteral(": ") + QString::fromUtf8(error->message) };
}

QString storedName(GCabFile* file)
{
    return decodeUtf8OrWindows1252(QByteArrayView(gcab_file_get_name(file)));
}

// An archive opened for reading; the stream stays open while the cabinet is used.
struct OpenCabinet {
    GObjectPtr<GFileInputStream> stream;
    GObjectPtr<GCabCabinet> cabinet;
};

FileStatus openCabinet(const QString& cabPath, OpenCabinet& open)
{
    GErrorSlot error;
    const GObjectPtr<GFile> file = gfileFor(cabPath);
    open.stream.reset(g_file_read(file.get(), nullptr, error.out()));
    if (!open.stream)
        return gError(error, QStringLiteral("Cannot open %1").arg(cabPath));
    open.cabinet.reset(gcab_cabinet_new());
    if (!gcab_cabinet_load(open.cabinet.get(), G_INPUT_STREAM(open.stream.get()), nullptr, error.out())) {
        FileError failure
            = gError(error, QStringLiteral("%1 is not a readable cabinet archive").arg(cabPath));
        failure.number = FileErrorNumbers::invalidFileFormat;
        return failure;
    }
    return {};
}

// Every stored name, folder by folder, in the archive's order.
QStringList namesOf(GCabCabinet* cabinet)
{
    QStringList names;
    GPtrArray* folders = gcab_cabinet_get_folders(cabinet);
    for (guint i = 0; i < folders->len; ++i) {
        GSList* files = gcab_folder_get_files(GCAB_FOLDER(g_ptr_array_index(folders, i)));
        for (GSList* each = files; each; each = each->next)
            names << storedName(GCAB_FILE(each->data));
        g_slist_free(files);
    }
    return names;
}

// Chooses the files to extract and gives them their name on disk.
struct ExtractChoice {
    QRegularExpression mask;
    QStringList chosen;
    ProgressReport* progress = nullptr;
    qint64 total = 0;
};

gboolean chooseForExtraction(GCabFile* file, gpointer data)
{
    auto* choice = static_cast<ExtractChoice*>(data);
    const QString name = storedName(file);
    if (!choice->mask.match(name).hasMatch())
        return FALSE;
    // Names that were stored in the old code page are written as the file system expects.
    gcab_file_set_extract_name(file, QFile::encodeName(name).constData());
    choice->chosen << name;
    if (choice->progress)
        choice->progress->setCount(choice->chosen.size(), choice->total);
    return TRUE;
}

FileError cannotCreateIn(const QString& folder, const QString& reason)
{
    return { QFileInfo(folder).isDir() ? ErrorNumbers::fileAccess : ErrorNumbers::pathNotFound,
        QStringLiteral("Cannot create a file in %1: %2").arg(folder, reason) };
}

// The cabinet format's own set fields of a CFHEADER, after the signature and the counts:
// setID at offset 32 and iCabinet at 34 (little-endian). A single archive has setID 0.
struct CabinetSetId {
    quint16 setId = 0;
    quint16 index = 0;
};

CabinetSetId cabinetSetIdOf(const QString& cabPath)
{
    QFile file(cabPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(36);
    if (header.size() < 36 || !header.startsWith("MSCF"))
        return {};
    const auto word = [&header](int at) {
        return static_cast<quint16>(
            static_cast<unsigned char>(header[at]) | (static_cast<unsigned char>(header[at + 1]) << 8));
    };
    return { word(32), word(34) };
}

FileStatus markSetMember(const QString& staged, quint16 setId, quint16 index)
{
    QFile file(staged);
    const char fields[] = { static_cast<char>(setId & 0xff), static_cast<char>(setId >> 8),
        static_cast<char>(index & 0xff), static_cast<char>(index >> 8) };
    if (!file.open(QIODevice::ReadWrite) || !file.seek(32) || file.write(fields, 4) != 4 || !file.flush())
        return FileError { ErrorNumbers::fileAccess,
            QStringLiteral("Cannot write %1: %2").arg(staged, file.errorString()) };
    return {};
}

// Member `k` (2 and up) of a set of `count` that goes with the archive `first`:
// "Covers-1a2b-2of3.cab" beside "Covers.cab".
QString setMemberName(const QFileInfo& first, quint16 setId, int k, int count)
{
    return QStringLiteral("%1-%2-%3of%4.%5")
        .arg(first.completeBaseName())
        .arg(setId, 4, 16, QLatin1Char('0'))
        .arg(k)
        .arg(count)
        .arg(first.suffix());
}

struct SetMember {
    QString path;
    quint16 setId = 0;
    int k = 0;
    int count = 0;
};

// The further members of sets of the archive `first` in its folder, of whatever set.
QList<SetMember> setMembersBeside(const QFileInfo& first)
{
    const QRegularExpression pattern(QStringLiteral("^%1-([0-9a-f]{4})-(\\d+)of(\\d+)\\.%2$")
                                         .arg(QRegularExpression::escape(first.completeBaseName()),
                                             QRegularExpression::escape(first.suffix())));
    QList<SetMember> found;
    const QDir folder = first.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            found.append({ folder.filePath(name), static_cast<quint16>(match.captured(1).toUInt(nullptr, 16)),
                match.captured(2).toInt(), match.captured(3).toInt() });
    }
    return found;
}

// The files done so far of all cabinets of one archive, for the progress window.
struct FileCount {
    ProgressReport* progress = nullptr;
    qint64 done = 0;
    qint64 total = 0;
    void next()
    {
        if (progress)
            progress->setCount(++done, total);
    }
};

gboolean countWrittenFile(GCabFile*, gpointer data)
{
    static_cast<FileCount*>(data)->next();
    return TRUE;
}

// Writes one cabinet of `files` at `staged`; `cabPath` names it in errors.
FileStatus writeOneCabinet(const QString& staged, const QString& cabPath, const QStringList& files,
    CabinetCompression compression, FileCount& count)
{
    GErrorSlot error;
    const GObjectPtr<GCabFolder> folder(gcab_folder_new(
        compression == CabinetCompression::MsZip ? GCAB_COMPRESSION_MSZIP : GCAB_COMPRESSION_NONE));
    for (const QString& path : files) {
        const GObjectPtr<GFile> source = gfileFor(path);
        const GObjectPtr<GCabFile> entry(
            gcab_file_new_with_file(QFileInfo(path).fileName().toUtf8().constData(), source.get()));
        if (!gcab_folder_add_file(folder.get(), entry.get(), FALSE, nullptr, error.out()))
            return gError(error, QStringLiteral("Cannot store %1 in %2").arg(path, cabPath));
    }
    const GObjectPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    if (!gcab_cabinet_add_folder(cabinet.get(), folder.get(), error.out()))
        return gError(error, QStringLiteral("Cannot build %1").arg(cabPath));
    const GObjectPtr<GFile> output = gfileFor(staged);
    const GObjectPtr<GFileOutputStream> stream(
        g_file_create(output.get(), G_FILE_CREATE_NONE, nullptr, error.out()));
    if (!stream)
        return gError(error, QStringLiteral("Cannot create %1").arg(cabPath));
    if (!gcab_cabinet_write_simple(
            cabinet.get(), G_OUTPUT_STREAM(stream.get()), countWrittenFile, &count, nullptr, error.out())
        || !g_output_stream_close(G_OUTPUT_STREAM(stream.get()), nullptr, error.out()))
        return gError(error, QStringLiteral("Cannot write %1").arg(cabPath));
    return {};
}

// The cabinets of the archive `cabPath`: itself, and when it is the first of a set, the
// further members in order. A set with a member missing is refused. A set identity with no
// member beside it is read as a single cabinet: other archivers may set the field on their own.
FileResult<QStringList> cabinetSet(const QString& cabPath)
{
    const CabinetSetId id = cabinetSetIdOf(cabPath);
    if (id.setId == 0)
        return QStringList { cabPath };
    std::map<int, SetMember> members;
    int count = 0;
    for (const SetMember& member : setMembersBeside(QFileInfo(cabPath))) {
        if (member.setId == id.setId) {
            members[member.k] = member;
            count = std::max(count, member.count);
        }
    }
    QStringList paths { cabPath };
    for (int k = 2; k <= count; ++k) {
        if (!members.count(k) || members[k].count != count)
            return FileError { ErrorNumbers::fileNotFound,
                QStringLiteral("Cabinet %1 of the set %2 is missing; nothing was restored")
                    .arg(setMemberName(QFileInfo(cabPath), id.setId, k, count), cabPath) };
        paths << members[k].path;
    }
    return paths;
}

} // namespace

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool matchesFileMask(const QString& name, const QString& mask)
{
    return QRegularExpression::fromWildcard(mask, Qt::CaseInsensitive).match(name).hasMatch();
}

FileStatus writeCabinet(const QString& cabPath, const QStringList& files, CabinetCompression compression,
    const CabinetLimits& limits, ProgressReport* progress)
{
    if (files.isEmpty())
        return FileError { ErrorNumbers::fileNotFound,
            QStringLiteral("No files to store in %1").arg(cabPath) };
    // The files go into cabinets in order, each taking as many as it can hold.
    QList<QStringList> members { {} };
    qint64 memberBytes = 0;
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (!isPlainFileName(info.fileName()))
            return FileError { FileErrorNumbers::badFileName,
                QStringLiteral("The name of %1 cannot be stored in a cabinet archive").arg(path) };
        if (info.size() > limits.bytes)
            return FileError { FileErrorNumbers::tooManyFiles,
                QStringLiteral("%1 holds %2 bytes, more than a cabinet archive can hold (%3)")
                    .arg(path)
                    .arg(info.size())
                    .arg(limits.bytes) };
        if (members.last().size() == limits.files || memberBytes + info.size() > limits.bytes) {
            members.append(QStringList());
            memberBytes = 0;
        }
        members.last() << path;
        memberBytes += info.size();
    }

    const QFileInfo target(cabPath);
    const QString folder = target.absolutePath();
    QTemporaryDir stage(folder + QStringLiteral("/.melotheek-cab-XXXXXX"));
    if (!stage.isValid())
        return cannotCreateIn(folder, stage.errorString());
    // A set gets an identity the archive in place does not have, so that no member of the set
    // being replaced is ever taken for one of the new set.
    const CabinetSetId current = cabinetSetIdOf(cabPath);
    quint16 setId = 0;
    while (members.size() > 1 && (setId == 0 || setId == current.setId))
        setId = static_cast<quint16>(QRandomGenerator::global()->bounded(1, 65536));
    QStringList memberNames { target.fileName() };
    for (qsizetype k = 2; k <= members.size(); ++k)
        memberNames << setMemberName(target, setId, static_cast<int>(k), static_cast<int>(members.size()));

    FileCount count { progress, 0, files.size() };
    for (qsizetype k = 0; k < members.size(); ++k) {
        const QString staged = stage.filePath(memberNames[k]);
        if (FileStatus written = writeOneCabinet(staged, cabPath, members[k], compression, count); !written)
            return written;
        if (members.size() > 1) {
            if (FileStatus marked = markSetMember(staged, setId, static_cast<quint16>(k)); !marked)
                return marked;
        }
        if (FileStatus synced = syncToDisk(staged); !synced)
            return synced;
    }
    // The further members first, under names nothing else uses; the first one last: putting
    // it in place replaces the old archive or set in one step.
    for (qsizetype k = members.size() - 1; k >= 0; --k) {
        const QString placed = k == 0 ? cabPath : QDir(folder).filePath(memberNames[k]);
        if (FileStatus moved = moveIntoPlace(stage.filePath(memberNames[k]), placed); !moved)
            return moved;
    }
    // Members of sets that were replaced are of no use any more.
    for (const SetMember& stale : setMembersBeside(target))
        if (stale.setId != setId)
            QFile::remove(stale.path);
    return {};
}

FileResult<QStringList> cabinetFileNames(const QString& cabPath)
{
    OpenCabinet open;
    if (FileStatus status = openCabinet(cabPath, open); !status)
        return status.error();
    return namesOf(open.cabinet.get());
}

FileResult<int> extractCabinet(
    const QString& cabPath, const QString& folder, const QString& mask, ProgressReport* progress)
{
    if (!QFileInfo(folder).isDir())
        return FileError { ErrorNumbers::pathNotFound,
            QStringLiteral("The folder %1 does not exist").arg(folder) };
    const FileResult<QStringList> set = cabinetSet(cabPath);
    if (!set)
        return set.error();
    std::vector<OpenCabinet> cabinets(static_cast<std::size_t>(set.value().size()));
    qint64 matching = 0;
    for (std::size_t i = 0; i < cabinets.size(); ++i) {
        const QString& member = set.value()[static_cast<qsizetype>(i)];
        if (FileStatus status = openCabinet(member, cabinets[i]); !status)
            return status.error();
        for (const QString& name : namesOf(cabinets[i].cabinet.get())) {
            if (!isPlainFileName(name))
                return FileError { FileErrorNumbers::invalidFileFormat,
                    QStringLiteral("%1 holds the file name \"%2\", which is not a plain file name; "
                                   "nothing was restored")
                        .arg(member, name) };
            matching += matchesFileMask(name, mask) ? 1 : 0;
        }
    }

    // Everything is read back into a folder of our own first; a damaged archive stops here.
    QTemporaryDir stage(QDir(folder).filePath(QStringLiteral(".melotheek-restore-XXXXXX")));
    if (!stage.isValid())
        return cannotCreateIn(folder, stage.errorString());
    ExtractChoice choice { QRegularExpression::fromWildcard(mask, Qt::CaseInsensitive), {}, progress,
        matching };
    const GObjectPtr<GFile> stageFolder = gfileFor(stage.path());
    for (std::size_t i = 0; i < cabinets.size(); ++i) {
        GErrorSlot error;
        if (!gcab_cabinet_extract_simple(cabinets[i].cabinet.get(), stageFolder.get(), chooseForExtraction,
                &choice, nullptr, error.out()))
            return gError(error,
                QStringLiteral("Cannot restore from %1; nothing was restored")
                    .arg(set.value()[static_cast<qsizetype>(i)]));
    }

    choice.chosen.removeDuplicates();
    for (const QString& name : choice.chosen) {
        const QString staged = stage.filePath(name);
        if (FileStatus synced = syncToDisk(staged); !synced)
            return synced.error();
        if (FileStatus moved = moveIntoPlace(staged, QDir(folder).filePath(name)); !moved)
            return moved.error();
    }
    return static_cast<int>(choice.chosen.size());
}
