// libgcab's GLib headers use `signals` as a member name, which Qt defines as a keyword macro:
// they come before every Qt header.
// clang-format off
#include <libgcab.h>
// clang-format on

#include "export/cabinet.h"

#include "editing/legacytext.h"
#include "export/stagedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
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
    return TRUE;
}

FileError cannotCreateIn(const QString& folder, const QString& reason)
{
    return { QFileInfo(folder).isDir() ? ErrorNumbers::fileAccess : ErrorNumbers::pathNotFound,
        QStringLiteral("Cannot create a file in %1: %2").arg(folder, reason) };
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

FileStatus writeCabinet(const QString& cabPath, const QStringList& files, CabinetCompression compression)
{
    if (files.isEmpty())
        return FileError { ErrorNumbers::fileNotFound,
            QStringLiteral("No files to store in %1").arg(cabPath) };
    if (files.size() > kCabinetMaxFiles)
        return FileError { FileErrorNumbers::tooManyFiles,
            QStringLiteral("%1 files are too many for one cabinet archive (at most %2)")
                .arg(files.size())
                .arg(kCabinetMaxFiles) };
    qint64 totalBytes = 0;
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (!isPlainFileName(info.fileName()))
            return FileError { FileErrorNumbers::badFileName,
                QStringLiteral("The name of %1 cannot be stored in a cabinet archive").arg(path) };
        totalBytes += info.size();
    }
    if (totalBytes > kCabinetMaxBytes)
        return FileError { FileErrorNumbers::tooManyFiles,
            QStringLiteral("The files for %1 hold %2 bytes, more than one cabinet archive can hold (%3)")
                .arg(cabPath)
                .arg(totalBytes)
                .arg(kCabinetMaxBytes) };

    const QFileInfo target(cabPath);
    QTemporaryDir stage(target.absolutePath() + QStringLiteral("/.melotheek-cab-XXXXXX"));
    if (!stage.isValid())
        return cannotCreateIn(target.absolutePath(), stage.errorString());
    const QString stagedPath = stage.filePath(target.fileName());

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

    {
        const GObjectPtr<GFile> output = gfileFor(stagedPath);
        const GObjectPtr<GFileOutputStream> stream(
            g_file_create(output.get(), G_FILE_CREATE_NONE, nullptr, error.out()));
        if (!stream)
            return gError(error, QStringLiteral("Cannot create %1").arg(cabPath));
        if (!gcab_cabinet_write_simple(
                cabinet.get(), G_OUTPUT_STREAM(stream.get()), nullptr, nullptr, nullptr, error.out()))
            return gError(error, QStringLiteral("Cannot write %1").arg(cabPath));
        if (!g_output_stream_close(G_OUTPUT_STREAM(stream.get()), nullptr, error.out()))
            return gError(error, QStringLiteral("Cannot write %1").arg(cabPath));
    }
    if (FileStatus synced = syncToDisk(stagedPath); !synced)
        return synced;
    return moveIntoPlace(stagedPath, cabPath);
}

FileResult<QStringList> cabinetFileNames(const QString& cabPath)
{
    OpenCabinet open;
    if (FileStatus status = openCabinet(cabPath, open); !status)
        return status.error();
    return namesOf(open.cabinet.get());
}

FileResult<int> extractCabinet(const QString& cabPath, const QString& folder, const QString& mask)
{
    if (!QFileInfo(folder).isDir())
        return FileError { ErrorNumbers::pathNotFound,
            QStringLiteral("The folder %1 does not exist").arg(folder) };
    OpenCabinet open;
    if (FileStatus status = openCabinet(cabPath, open); !status)
        return status.error();
    for (const QString& name : namesOf(open.cabinet.get())) {
        if (!isPlainFileName(name))
            return FileError { FileErrorNumbers::invalidFileFormat,
                QStringLiteral("%1 holds the file name \"%2\", which is not a plain file name; "
                               "nothing was restored")
                    .arg(cabPath, name) };
    }

    // Everything is read back into a folder of our own first; a damaged archive stops here.
    QTemporaryDir stage(QDir(folder).filePath(QStringLiteral(".melotheek-restore-XXXXXX")));
    if (!stage.isValid())
        return cannotCreateIn(folder, stage.errorString());
    ExtractChoice choice { QRegularExpression::fromWildcard(mask, Qt::CaseInsensitive), {} };
    GErrorSlot error;
    const GObjectPtr<GFile> stageFolder = gfileFor(stage.path());
    if (!gcab_cabinet_extract_simple(
            open.cabinet.get(), stageFolder.get(), chooseForExtraction, &choice, nullptr, error.out()))
        return gError(error, QStringLiteral("Cannot restore from %1; nothing was restored").arg(cabPath));

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
