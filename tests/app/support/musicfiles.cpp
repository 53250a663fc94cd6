#include "support/musicfiles.h"

#include <QFile>
#include <QtEndian>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

namespace {

void appendLE32(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

// MPEG-1 layer III frames of 128 kbit/s at 44.1 kHz, 417 bytes each, silent.
QByteArray mp3(int seconds)
{
    const QByteArray frame = QByteArray::fromHex("fffb9064") + QByteArray(413, '\0');
    return frame.repeated(seconds * 44100 / 1152 + 1);
}

QByteArray wav(int seconds)
{
    const quint32 data = quint32(seconds) * 16000; // 8 kHz, mono, 16 bit
    QByteArray bytes("RIFF");
    appendLE32(bytes, 36 + data);
    bytes += "WAVEfmt ";
    appendLE32(bytes, 16);
    bytes += QByteArray::fromHex("01000100401f0000803e000002001000");
    bytes += "data";
    appendLE32(bytes, data);
    return bytes + QByteArray(data, '\0');
}

// The stream information block alone: 44.1 kHz, 2 channels, 16 bit, the sample count.
QByteArray flac(int seconds)
{
    const quint64 samples = quint64(seconds) * 44100;
    QByteArray bytes("fLaC\x80\x00\x00\x22", 8);
    bytes += QByteArray::fromHex("10001000000000000000");
    const quint64 packed = (quint64(44100) << 44) | (quint64(1) << 41) | (quint64(15) << 36) | samples;
    for (int shift = 56; shift >= 0; shift -= 8)
        bytes.append(char(packed >> shift));
    return bytes + QByteArray(16, '\0') + QByteArray(64, '\0');
}

quint32 oggCrc(const QByteArray& page)
{
    quint32 crc = 0;
    for (const char c : page) {
        crc ^= quint32(quint8(c)) << 24;
        for (int i = 0; i < 8; ++i)
            crc = crc & 0x80000000u ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

// One Ogg page holding one whole packet (under 255 bytes... or more, in 255-byte segments).
QByteArray oggPage(const QByteArray& packet, quint8 flags, quint64 granule, quint32 sequence)
{
    QByteArray page("OggS\0", 5);
    page.append(char(flags));
    for (int i = 0; i < 8; ++i)
        page.append(char(granule >> (8 * i)));
    appendLE32(page, 0x4d454c4f); // stream serial
    appendLE32(page, sequence);
    appendLE32(page, 0); // checksum, filled in below
    QByteArray segments;
    qsizetype left = packet.size();
    for (; left >= 255; left -= 255)
        segments.append('\xff');
    segments.append(char(left));
    page.append(char(segments.size()));
    page += segments + packet;
    char crc[4];
    qToLittleEndian(oggCrc(page), crc);
    page.replace(22, 4, QByteArray(crc, 4));
    return page;
}

// Ogg Vorbis: the identification and comment headers and one empty last page.
QByteArray vorbis(int seconds)
{
    QByteArray head("\x01vorbis\0\0\0\0\x01", 12);
    appendLE32(head, 44100);
    head += QByteArray(12, '\0') + QByteArray("\xb8\x01", 2);
    QByteArray comments("\x03vorbis", 7);
    appendLE32(comments, 4);
    comments += "test";
    appendLE32(comments, 0);
    comments += '\x01';
    return oggPage(head, 0x02, 0, 0) + oggPage(comments, 0, 0, 1)
        + oggPage(QByteArray(8, '\0'), 0x04, quint64(seconds) * 44100, 2);
}

QByteArray atom(const char* type, const QByteArray& body)
{
    char size[4];
    qToBigEndian(quint32(8 + body.size()), size);
    return QByteArray(size, 4) + type + body;
}

QByteArray mp4()
{
    QByteArray mvhd(100, '\0');
    mvhd.replace(12, 4, QByteArray::fromHex("000003e8")); // time scale 1000
    return atom("ftyp", QByteArray("M4A \0\0\0\0M4A mp42isom", 20)) + atom("moov", atom("mvhd", mvhd));
}

// Embeds `data` as the front cover, the way each format keeps pictures.
void embedFrontPicture(TagLib::File* file, const TagLib::ByteVector& data)
{
    const auto flacPicture = [&data] {
        auto* picture = new TagLib::FLAC::Picture;
        picture->setType(TagLib::FLAC::Picture::FrontCover);
        picture->setMimeType("image/jpeg");
        picture->setData(data);
        return picture;
    };
    const auto addApic = [&data](TagLib::ID3v2::Tag* tag) {
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        frame->setMimeType("image/jpeg");
        frame->setPicture(data);
        tag->addFrame(frame);
    };
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file))
        flac->addPicture(flacPicture());
    else if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
        addApic(mpeg->ID3v2Tag(true));
    else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file))
        addApic(wav->ID3v2Tag());
    else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file))
        mp4->tag()->setItem("covr", TagLib::MP4::CoverArtList().append({ TagLib::MP4::CoverArt::JPEG, data }));
    else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag()))
        xiph->addPicture(flacPicture());
}

} // namespace

QByteArray minimalAudio(AudioKind kind, int seconds)
{
    switch (kind) {
    case AudioKind::Mp3:
        return mp3(seconds);
    case AudioKind::Flac:
        return flac(seconds);
    case AudioKind::Wav:
        return wav(seconds);
    case AudioKind::OggVorbis:
        return vorbis(seconds);
    case AudioKind::Mp4:
        return mp4();
    }
    return {};
}

bool writeMusicFile(const QString& path, AudioKind kind, int seconds, const TagValues& tags)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(minimalAudio(kind, seconds)) < 0)
        return false;
    out.close();

    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef ref(name.constData());
    if (ref.isNull() || !ref.file()->isValid())
        return false;
    TagLib::PropertyMap properties;
    const std::pair<const char*, QString> fields[] = { { "TITLE", tags.title }, { "ARTIST", tags.artist },
        { "ALBUMARTIST", tags.albumArtist }, { "ALBUM", tags.album }, { "COMMENT", tags.comment },
        { "GENRE", tags.genre }, { "DATE", tags.year ? QString::number(tags.year) : QString() },
        { "TRACKNUMBER", tags.track ? QString::number(tags.track) : QString() },
        { "DISCNUMBER", tags.disc ? QString::number(tags.disc) : QString() } };
    for (const auto& [key, value] : fields) {
        if (!value.isEmpty())
            properties.insert(key, TagLib::String(value.toStdString(), TagLib::String::UTF8));
    }
    ref.file()->setProperties(properties);

    if (!tags.frontPicture.isEmpty())
        embedFrontPicture(ref.file(), TagLib::ByteVector(tags.frontPicture.constData(), uint(tags.frontPicture.size())));
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(ref.file()))
        return mpeg->save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers);
    return ref.save();
}
