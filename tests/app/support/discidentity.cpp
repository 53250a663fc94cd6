#include "support/discidentity.h"

#include "discovant/cddb/discovant.h"

#include <gtest/gtest.h>

namespace {

std::string identifierOf(const std::filesystem::path& image, bool musicBrainz)
{
    discovant::Discovant component;
    const std::string toc = component.GetMediaTOC(image.string());
    EXPECT_FALSE(toc.empty()) << "no table of contents in " << image;
    if (toc.empty())
        return {};
    return musicBrainz ? component.CalMusicBrainzID(toc) : component.CalMediaID(toc);
}

} // namespace

std::string discIdOf(const std::filesystem::path& image)
{
    return identifierOf(image, false);
}

std::string musicBrainzIdOf(const std::filesystem::path& image)
{
    return identifierOf(image, true);
}
