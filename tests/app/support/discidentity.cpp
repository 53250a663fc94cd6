#include "support/discidentity.h"

#include "discovant/cddb/discovant.h"

#include <gtest/gtest.h>

std::string discIdOf(const std::filesystem::path& image)
{
    discovant::Discovant component;
    const std::string toc = component.GetMediaTOC(image.string());
    EXPECT_FALSE(toc.empty()) << "no table of contents in " << image;
    return toc.empty() ? std::string() : component.CalMediaID(toc);
}

std::string musicBrainzIdOf(const std::filesystem::path& image)
{
    discovant::Discovant component;
    return component.CalMusicBrainzID(component.GetMediaTOC(image.string()));
}
