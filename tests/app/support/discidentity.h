#pragma once

#include <QString>
#include <filesystem>
#include <string>

// The disc identifier the CD lookup component computes for a disc image, so that a test can
// serve the image's entry under the identifier the program will ask for. Fails the test when
// the image has no table of contents.
std::string discIdOf(const std::filesystem::path& image);
// The same for the MusicBrainz disc ID.
std::string musicBrainzIdOf(const std::filesystem::path& image);

// A disc image's path as the program's drive field takes it.
inline QString imagePath(const std::filesystem::path& image)
{
    return QString::fromStdString(image.string());
}
