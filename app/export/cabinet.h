#pragma once

#include "export/filestatus.h"

#include <QString>
#include <QStringList>

class ProgressReport;

// Cabinet archives (.cab) of the backup folder, written and read in process with libgcab.
// Our archives are flat: every file is stored under its own name, without a folder.

enum class CabinetCompression {
    Stored, // no compression (pictures, which do not shrink)
    MsZip, // the cabinet format's usual compression
};

// What one cabinet can hold: the format counts files in 16 bits, and its single folder of
// 32 KB data blocks counts those in 16 bits too.
inline constexpr int kCabinetMaxFiles = 65535;
inline constexpr qint64 kCabinetMaxBytes = qint64(65534) * 32768;

struct CabinetLimits {
    int files = kCabinetMaxFiles;
    qint64 bytes = kCabinetMaxBytes;
};

// Writes a new archive at `cabPath` holding `files` (full paths; each stored under its file
// name). Where one cabinet cannot hold them all, the archive is a numbered set: `cabPath` holds
// the first files and "<name>-<set>-<k>of<n>.cab" beside it the others (set is the set's
// identity in hexadecimal, which the cabinets also carry in their header); each member is a
// complete cabinet of its own. A single file larger than a cabinet holds is refused.
//
// Every cabinet is built under a temporary name in the same folder; the further members are
// put in place first and `cabPath` last, so a failure (unreadable file, full disk, missing
// folder) or a kill leaves the older archive or set of that name whole, and no partial file
// behind. Members of a replaced set are removed afterwards.
// `progress`, when given, counts the files written.
FileStatus writeCabinet(const QString& cabPath, const QStringList& files, CabinetCompression compression,
    const CabinetLimits& limits = {}, ProgressReport* progress = nullptr);

// The names stored in a cabinet, in the archive's order. Names that were not stored as UTF-8
// are read in the Windows code page the old archiver used.
FileResult<QStringList> cabinetFileNames(const QString& cabPath);

// Restores from the archive (a single cabinet or all members of its set) every file whose name
// matches `mask` ("*.jpg", letter case aside) into `folder`, replacing files of the same name;
// other files of the folder stay. Returns how many files were restored. A set with a member
// missing is refused.
//
// Nothing is written unless the whole archive reads back without error: the files are first
// extracted into a temporary folder inside `folder` and only then renamed into place one by
// one. An archive that holds any name other than a plain file name ("../x", "/etc/x", "a\b")
// is refused as a whole, so no file outside `folder` is ever touched.
// `progress`, when given, counts the files read back.
FileResult<int> extractCabinet(
    const QString& cabPath, const QString& folder, const QString& mask, ProgressReport* progress = nullptr);

// Whether a stored name is a plain file name: not empty, not "." or "..", without "/" or "\".
bool isPlainFileName(const QString& name);

// Whether `name` matches the file mask `mask` ("*.m3u"), letter case aside as in the old
// archiver's searches.
bool matchesFileMask(const QString& name, const QString& mask);
