#include "editing/musictags.h"

#include "editing/legacytext.h"

#include <QFile>
#include <mutex>
#include <taglib/apetag.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/oggfile.h>
#include <taglib/opusfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

namespace {

QString fromTagLib(const TagLib::String& text)
{
    return QString::fromStdString(text.to8Bit(true)).trimmed();
}

TagLib::String toTagLib(const QString& text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

// Fixed-width ID3v1 fields end at their first zero byte and are padded with blanks.
class LegacyId3v1Text : public TagLib::ID3v1::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        QByteArrayView bytes(data.data(), data.size());
        if (const qsizetype zero = bytes.indexOf('\0'); zero >= 0)
            bytes.truncate(zero);
        return toTagLib(decodeUtf8OrWindows1252(bytes));
    }
};

// ID3v2 frames marked Latin-1 were mostly written in Windows-1252, sometimes in UTF-8.
class LegacyId3v2Text : public TagLib::ID3v2::Latin1StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        return toTagLib(decodeUtf8OrWindows1252(QByteArrayView(data.data(), data.size())));
    }
};

// TagLib takes its text decoders process-wide; they are set once, before the first file is
// opened, and never change afterwards.
void useLegacyTextDecoders()
{
    static std::once_flag once;
    std::call_once(once, [] {
        static const LegacyId3v1Text id3v1;
        static const LegacyId3v2Text id3v2;
        TagLib::ID3v1::Tag::setStringHandler(&id3v1);
        TagLib::ID3v2::Tag::setLatin1StringHandler(&id3v2);
    });
}

// "3/12" and "3" both give 3.
int leadingNumber(const TagLib::PropertyMap& properties, const char* key)
{
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty())
        return 0;
    return fromTagLib(found->second.front()).section(QLatin1Char('/'), 0, 0).trimmed().toInt();
}

QString firstValue(const TagLib::PropertyMap& properties, const char* key)
{
    const auto found = properties.find(key);
    return found == properties.end() || found->second.isEmpty() ? QString()
                                                                : fromTagLib(found->second.front());
}

using PictureData = std::optional<TagLib::ByteVector>;

PictureData id3v2Picture(TagLib::ID3v2::Tag* tag)
{
    if (!tag)
        return std::nullopt;
    const TagLib::ID3v2::FrameList& frames = tag->frameListMap()["APIC"];
    const TagLib::ID3v2::AttachedPictureFrame* chosen = nullptr;
    for (const TagLib::ID3v2::Frame* frame : frames) {
        const auto* picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (!picture)
            continue;
        if (!chosen || picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
            chosen = picture;
        if (picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
            break;
    }
    return chosen ? PictureData(chosen->picture()) : std::nullopt;
}

PictureData flacPicture(const TagLib::List<TagLib::FLAC::Picture*>& pictures)
{
    const TagLib::FLAC::Picture* chosen = nullptr;
    for (const TagLib::FLAC::Picture* picture : pictures) {
        if (!chosen || picture->type() == TagLib::FLAC::Picture::FrontCover)
            chosen = picture;
        if (picture->type() == TagLib::FLAC::Picture::FrontCover)
            break;
    }
    return chosen ? PictureData(chosen->data()) : std::nullopt;
}

PictureData mp4Picture(TagLib::MP4::Tag* tag)
{
    if (!tag || !tag->contains("covr"))
        return std::nullopt;
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    return covers.isEmpty() ? std::nullopt : PictureData(covers.front().data());
}

// The front picture (the first picture when none is marked as the front cover) among the
// tags TagLib has read from `file`, whichever format keeps it; nothing when there is none.
// The data is TagLib's own, shared rather than copied.
PictureData frontPictureOf(TagLib::File* file)
{
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
        return id3v2Picture(mpeg->ID3v2Tag());
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file))
        return id3v2Picture(wav->ID3v2Tag());
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file))
        return flacPicture(flac->pictureList());
    if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file))
        return mp4Picture(mp4->tag());
    if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag()))
        return flacPicture(xiph->pictureList());
    return std::nullopt;
}

} // namespace

bool MusicTags::hasTags() const
{
    return !title.isEmpty() || !artist.isEmpty() || !albumArtist.isEmpty() || !album.isEmpty();
}

QString MusicTags::albumOwner() const
{
    return albumArtist.isEmpty() ? artist : albumArtist;
}

std::optional<MusicTags> readMusicTags(const QString& path)
{
    useLegacyTextDecoders();
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef file(name.constData(), true, TagLib::AudioProperties::Average);
    if (file.isNull() || !file.file()->isValid())
        return std::nullopt;
    MusicTags tags;
    if (const TagLib::Tag* tag = file.tag()) {
        tags.title = fromTagLib(tag->title());
        tags.artist = fromTagLib(tag->artist());
        tags.album = fromTagLib(tag->album());
        tags.comment = fromTagLib(tag->comment());
        tags.genre = fromTagLib(tag->genre());
        tags.track = int(qMin(tag->track(), 9999u));
        if (tag->year() > 0 && tag->year() <= 9999)
            tags.year = QString::number(tag->year());
    }
    const TagLib::PropertyMap properties = file.file()->properties();
    tags.albumArtist = firstValue(properties, "ALBUMARTIST");
    tags.disc = qBound(0, leadingNumber(properties, "DISCNUMBER"), 999);
    const TagLib::AudioProperties* audio = file.audioProperties();
    // TagLib opens any file whose name says MPEG; without audio and without tags it is none.
    if ((!audio || audio->sampleRate() <= 0) && !tags.hasTags())
        return std::nullopt;
    if (audio)
        tags.lengthSeconds = qMax(0, audio->lengthInSeconds());
    tags.hasPicture = frontPictureOf(file.file()).has_value();
    return tags;
}

QByteArray embeddedFrontPicture(const QString& path, qint64 maxBytes)
{
    useLegacyTextDecoders();
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef ref(name.constData(), false);
    if (ref.isNull() || !ref.file()->isValid())
        return {};
    const PictureData data = frontPictureOf(ref.file());
    if (!data || data->isEmpty() || qint64(data->size()) > maxBytes)
        return {};
    return QByteArray(data->data(), data->size());
}

QString lengthText(int seconds)
{
    if (seconds <= 0)
        return {};
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
