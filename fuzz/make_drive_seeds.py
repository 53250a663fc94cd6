#!/usr/bin/env python3
"""Writes the seed answers of the TOC and CD-Text decoder fuzzers.

Each seed is a READ TOC answer as a drive returns it: format 0 (TOC, minute/second/frame
addresses) into corpus/toc_decoder/, format 5 (CD-Text packs) into corpus/cdtext_decoder/.
Run from anywhere; it rewrites the seeds in place.
"""
from pathlib import Path

HERE = Path(__file__).resolve().parent


def toc_answer(first, addresses, adr_control=0x10, last=None, data_tracks_from=None):
    """Header and one descriptor per address, the last one the lead-out (track 0xAA).
    Descriptors from index data_tracks_from on are data tracks (control 4)."""
    if last is None:
        last = first + len(addresses) - 2
    body = bytearray()
    for k, address in enumerate(addresses):
        track = 0xAA if k == len(addresses) - 1 else first + k
        control = adr_control
        if data_tracks_from is not None and k >= data_tracks_from:
            control |= 0x04
        body += bytes([0, control, track, 0, 0,
                       address // 4500, address // 75 % 60, address % 75])
    length = len(body) + 2
    return bytes([length >> 8, length & 0xFF, first & 0xFF, last & 0xFF]) + bytes(body)


def pack(kind, track, sequence, text):
    text = text[:12].ljust(12, b"\0")
    return bytes([kind, track, sequence, 0]) + text + b"\0\0"


def cdtext_answer(kinds, sequence_start=0):
    """Packs each kind's strings the way an encoder writes a disc, then size information."""
    packs = []
    sequence = sequence_start
    for kind, texts in kinds:
        stream = bytearray()
        owner = []
        for track, text in enumerate(texts):
            stream += text + b"\0"
            owner += [track] * (len(text) + 1)
        for start in range(0, len(stream), 12):
            packs.append(pack(kind, owner[start], sequence & 0xFF, bytes(stream[start:start + 12])))
            sequence += 1
    for n in range(3):
        packs.append(pack(0x8F, n, sequence & 0xFF, b"\x01" * 12))
        sequence += 1
    body = b"".join(packs)
    length = len(body) + 2
    return bytes([length >> 8, length & 0xFF, 0, 0]) + body


def cdtext_blocks(blocks):
    """Several language blocks, each (block, double_byte, character_code, kinds) with its own
    sequence numbers, byte 3 carrying the double-byte flag and the block number."""
    packs = []
    for block, double_byte, code, kinds in blocks:
        flags = (0x80 if double_byte else 0) | (block << 4)
        end = b"\0\0" if double_byte else b"\0"
        sequence = 0
        for kind, texts in kinds:
            stream = b"".join(text + end for text in texts)
            for start in range(0, len(stream), 12):
                data = pack(kind, 0, sequence, stream[start:start + 12])
                packs.append(data[:3] + bytes([flags]) + data[4:])
                sequence += 1
        for n in range(3):
            data = pack(0x8F, n, sequence, bytes([code]) + b"\x01" * 11)
            packs.append(data[:3] + bytes([flags]) + data[4:])
            sequence += 1
    body = b"".join(packs)
    length = len(body) + 2
    return bytes([length >> 8, length & 0xFF, 0, 0]) + body


def write(folder, name, data):
    path = HERE / "corpus" / folder
    path.mkdir(parents=True, exist_ok=True)
    (path / name).write_bytes(data)


album = [150, 17980, 34215, 50420, 67935, 84100, 101250, 118475, 135000, 151720, 168355,
         185410, 203190]
write("toc_decoder", "album", toc_answer(1, album))
write("toc_decoder", "album_full", toc_answer(1, album).ljust(804, b"\0"))
write("toc_decoder", "single_track", toc_answer(1, [150, 22000]))
write("toc_decoder", "no_tracks", bytes([0, 2, 0, 0]).ljust(804, b"\0"))
write("toc_decoder", "no_q_mode1", toc_answer(1, [150, 9000, 18000], adr_control=0x04))
write("toc_decoder", "first_after_last", toc_answer(5, [150, 9000], last=4))
write("toc_decoder", "ninety_nine", toc_answer(1, [150 + 3000 * k for k in range(100)]))
write("toc_decoder", "enhanced",
      toc_answer(1, [150, 20000, 41000, 62000, 222400, 260000], data_tracks_from=4))

write("cdtext_decoder", "album", cdtext_answer([
    (0x80, [b"Kind of Blue", b"So What", b"Freddie Freeloader", b"Blue in Green"]),
    (0x81, [b"Miles Davis", b"Miles Davis", b"Miles Davis", b"Miles Davis"]),
    (0x83, [b"", b"Davis", b"Davis", b"Evans"]),
    (0x85, [b"Remastered ", b"in 1997"]),
]))
write("cdtext_decoder", "windows_1252", cdtext_answer([
    (0x80, [b"Caf\xe9 \x80uro", b"Ni\xf1o", b"\x93Quoted\x94"]),
    (0x81, [b"Bj\xc3\xb6rk"]),
]))
write("cdtext_decoder", "shared_pack", b"\0\0\0\0" + pack(0x80, 0, 0, b"Album\0One\0Tw")
      + pack(0x80, 2, 1, b"o is a very ") + pack(0x80, 2, 2, b"long title\0"))
write("cdtext_decoder", "sequence_jump",
      b"\0\0\0\0" + b"".join(pack(0x85, 0, i, bytes([97 + i])) for i in (0, 1, 2, 3, 4, 5, 7)))
write("cdtext_decoder", "track_100", b"\0\0\0\0" + pack(0x80, 99, 0, b"Last\0Extra\0"))
write("cdtext_decoder", "runaway",
      b"\0\0\0\0" + b"".join(pack(0x80, 0, i, b"z" * 12) for i in range(256)))
write("cdtext_decoder", "empty", bytes(4612))

english = (0, False, 0x01, [(0x80, [b"Winter", b"Snow", b"Ice"]), (0x81, [b"Band"])])
german = (1, False, 0x00, [(0x80, [b"Winter DE", b"Schnee", b"Eis"]), (0x81, [b"Kapelle"])])
write("cdtext_blocks", "two_languages", cdtext_blocks([english, german]))
write("cdtext_blocks", "second_first", cdtext_blocks([german, english]))
write("cdtext_blocks", "ms_jis", cdtext_blocks([(0, True, 0x80, [(0x80, [b"\x93\xfa\x96\x7b", b"\x8e\x9f"])])]))
write("cdtext_blocks", "mandarin", cdtext_blocks([(0, True, 0x82, [(0x80, [b"\xd6\xd0\xce\xc4"])])]))
write("cdtext_blocks", "tab_repeat", cdtext_blocks([(0, False, 0x01, [(0x80, [b"Live", b"Intro", b"\t", b"\t"])])]))

ENTRY = (b"# xmcd\n#\n# Track frame offsets:\n#\t150\n#\t15150\n#\n# Disc length: 402 seconds\n#\n"
         b"# Revision: 3\n# Submitted via: test 1.0\n#\nDISCID=7a0b2c09\nDTITLE=Band / Album\nDYEAR=2001\n"
         b"DGENRE=Rock\nTTITLE0=One\nTTITLE1=Two\nEXTD=\nEXTT0=\nEXTT1=\nPLAYORDER=\n")
write("localdb_unix", "entry", ENTRY)
write("localdb_unix", "entry_crlf", ENTRY.replace(b"\n", b"\r\n"))
write("localdb_unix", "unterminated", b"DTITLE=Cut / Off\nTTITLE0=La")
write("localdb_unix", "latin1", ENTRY.replace(b"Band", b"Bj\xf6rk"))
