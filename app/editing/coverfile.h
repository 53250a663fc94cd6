#pragma once

#include "shell/errorreport.h"

#include <QString>
#include <optional>

// Taking a picture file as an album's cover (`CoverDir` + id + ".jpg", see
// extras/picturefiles.h for the paths and the copy itself).

// Largest picture file taken as a cover; anything bigger is refused before it is read, so a
// wrong choice (a film, a disc image) never stalls the window.
constexpr qint64 maxCoverBytes = 64LL * 1024 * 1024;
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

// Checks `picture` as above and copies it over `target` (written beside it and renamed into
// place, so a failed copy leaves the old cover as it was). Empty on success, else the failure.
std::optional<AppError> copyCover(const QString& picture, const QString& target, const QString& source);
