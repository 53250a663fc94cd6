#pragma once

#include "shell/errorreport.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Taking a picture file as an album's cover (`CoverDir` + id + ".jpg", see
// extras/picturefiles.h for the paths and the copy itself).

// Largest picture taken as a cover, in bytes (a file, an embedded picture, a download);
// anything bigger is refused before it is read, so a wrong choice (a film, a disc image)
// never stalls the window.
constexpr qint64 maxCoverBytes = 10LL * 1024 * 1024;
// Largest picture taken as a cover, in pixels.
constexpr qint64 maxCoverPixels = 100LL * 1000 * 1000;

// Error number of a file that is no usable picture (the file errors keep the program's usual
// numbers).
namespace CoverErrors {
constexpr int invalidPicture = 481;
} // namespace CoverErrors

// Checks that `path` is a readable picture of acceptable size, from its header only (nothing
// is decoded). Empty when it is; otherwise the failure to report, whose description names the
// file and whose source is `source`.
std::optional<AppError> checkCoverPicture(const QString& path, const QString& source);

// Stores the picture `bytes` as the cover `target`: checked by decoding them (at most
// maxCoverBytes and maxCoverPixels; a JPEG cut off before its end is refused too), a JPEG
// kept as it is and any other picture converted to JPEG, written beside the target and
// renamed into place, so a failure leaves the old cover as it was. `what` names the picture
// in the failure's description ("The cover from MusicBrainz"). Empty on success, else the
// failure.
std::optional<AppError> storeCover(
    const QByteArray& bytes, const QString& target, const QString& what, const QString& source);

// The checks of storeCover alone: empty when `bytes` would be taken as a cover.
std::optional<AppError> checkCoverBytes(const QByteArray& bytes, const QString& what, const QString& source);

// Checks the picture file `picture` as above and stores it over `target` through storeCover.
// Empty on success, else the failure.
std::optional<AppError> copyCover(const QString& picture, const QString& target, const QString& source);
