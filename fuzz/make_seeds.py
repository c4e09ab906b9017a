#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

The seeds are real frames and station files: what the encoder sends, what a
fill sends, and station files as the program writes them, plus the damaged
lengths a file can have, and the now-playing text files a playout system
writes, in UTF-8, in Windows-1252 and broken. Run it from anywhere; it replaces
the seed files it writes and leaves other files alone.
"""

from pathlib import Path

CORPUS = Path(__file__).resolve().parent / "corpus"

# Steps of the link target (fuzz/link_fuzzer.cpp, enum Step).
TOGGLE, FILL, READ_OUT, CLOSE_PROGRESS, CLOSE_ON_EXIT, SEND_PI, CHANGE_PORT, \
    OPEN_RESULT, SAVE_FAILURE, INSIDE_MODAL, RECEIVE, ANSWER, SUPERVISION_TICK, \
    PACING_TICK, FINISH_FILL, VANISH = range(16)
# Canned answers of the link target (encoderAnswer).
IDENTIFY, SIGN_OFF, PS_ENTRY, RT_ENTRY, DECODER, WHOLE_READ_OUT = range(6)


def cp1252(text):
    return text.encode("cp1252")


def frame(command, body=b""):
    return b"^B^" + command + body + b"^E"


IDENTIFICATION = frame(b"I", b"12120302RX-UNIT1")
# The plain "E" ends this message: the name comes out empty.
IDENTIFICATION_CUT_SHORT = frame(b"I", b"12120302EX-00001")
SIGN_OFF_FRAME = frame(b"S")
READ_REQUEST = frame(b"G")

PS_NAMES = ["RADIO 1", "NIEUWS", "Café FM", "SPORT", "€URO", "WEER", "", "VERKEER", "MUZIEK", "^B^E"]
RT_TEXTS = ["Goedemorgen Nederland", "Luister naar de beste hits", "Het weer: zonnig, 24°C",
            "", "Überall on air — ^D^P^R carets", ]


def ps_entry(entry, name, active=True):
    return frame(b"P", str(entry).encode() + cp1252(name.ljust(8)[:8]) + (b"1" if active else b"0"))


def rt_entry(entry, text, active=True):
    return frame(b"R", str(entry).encode() + cp1252(text.ljust(64)[:64]) + (b"1" if active else b"0"))


def decoder(programme_type, frequency, ps_interval, rt_interval):
    return frame(b"D", b"%02d%03d%03d%03d" % (programme_type, frequency, ps_interval, rt_interval))


def pi_frame(code):
    return frame(b"A", bytes([code & 0xFF, code >> 8]))


WHOLE_ANSWER = (b"".join(ps_entry(k, name) for k, name in enumerate(PS_NAMES)) +
                b"".join(rt_entry(k, text) for k, text in enumerate(RT_TEXTS)) +
                decoder(10, 23, 10, 30))


def receive(data):
    """Receive steps carrying the bytes, at most 255 of them each."""
    steps = b""
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        steps += bytes([RECEIVE, len(chunk)]) + chunk
    return steps


CONNECT = bytes([TOGGLE]) + receive(IDENTIFICATION)


def ps_set(names):
    return b"".join(cp1252(n.ljust(8)[:8]) + b"1\r\n" for n in names)


def rt_set(texts):
    return b"".join(cp1252(t.ljust(64)[:64]) + b"1\r\n" for t in texts)


STATION_FILE = ps_set(PS_NAMES) + b"\r\n" + rt_set(RT_TEXTS)
assert len(STATION_FILE) == 447

SEEDS = {
    "link": {
        # Plain wire streams, also the material of the chunking check.
        "wire-identification": IDENTIFICATION,
        "wire-identification-cut-short": IDENTIFICATION_CUT_SHORT,
        "wire-read-out-answer": WHOLE_ANSWER,
        "wire-fill": b"".join(ps_entry(k, n) for k, n in enumerate(PS_NAMES)) + decoder(0, 0, 3, 25)
        + pi_frame(0x8201) + READ_REQUEST + SIGN_OFF_FRAME,
        "wire-unfinished-frame": b"^B^P3ABC^B^R1xyz^E^E^Bab^b^e^^^^E",
        # Sessions of a user and an encoder.
        "connect-and-sign-off": CONNECT + receive(SIGN_OFF_FRAME),
        "connect-silence": bytes([TOGGLE, SUPERVISION_TICK]),
        "connect-disconnect-silence": CONNECT + bytes([TOGGLE, SUPERVISION_TICK]),
        "connect-disconnect-answered": CONNECT + bytes([TOGGLE]) + receive(SIGN_OFF_FRAME),
        "port-missing": bytes([OPEN_RESULT, 1, TOGGLE, OPEN_RESULT, 2, TOGGLE]),
        "read-out": CONNECT + bytes([READ_OUT]) + receive(WHOLE_ANSWER),
        "read-out-canned": CONNECT + bytes([READ_OUT, ANSWER, WHOLE_READ_OUT]) + bytes(range(200)),
        "read-out-partial-closed": CONNECT + bytes([READ_OUT]) + receive(WHOLE_ANSWER[:150])
        + bytes([CLOSE_PROGRESS]) + receive(WHOLE_ANSWER[150:]),
        "read-out-store-refuses": CONNECT + bytes([SAVE_FAILURE, READ_OUT]) + receive(WHOLE_ANSWER),
        "fill": CONNECT + bytes([FILL, FINISH_FILL]),
        "fill-ticks-and-read-out": CONNECT + bytes([FILL, PACING_TICK, PACING_TICK, READ_OUT])
        + receive(WHOLE_ANSWER) + bytes([FILL, FINISH_FILL]),
        "fill-port-vanishes": CONNECT + bytes([FILL, PACING_TICK, VANISH, 0, PACING_TICK]),
        "inside-hardware-window": bytes([TOGGLE, INSIDE_MODAL, 3]) + receive(IDENTIFICATION)
        + bytes([0, len(SIGN_OFF_FRAME)]) + SIGN_OFF_FRAME + bytes([SUPERVISION_TICK - RECEIVE])
        + bytes([VANISH - RECEIVE, 0]),
        "inside-warning": bytes([TOGGLE, INSIDE_MODAL, 2, SUPERVISION_TICK, ANSWER - RECEIVE,
                                 IDENTIFY, VANISH - RECEIVE, 4]),
        "pi-and-exit": CONNECT + bytes([SEND_PI, 0x82, 0x01, SEND_PI, 0, 0, CLOSE_ON_EXIT, TOGGLE]),
        "port-setting": bytes([CHANGE_PORT, 3]) + b"2.5" + bytes([TOGGLE, CLOSE_ON_EXIT]),
        "answers-one-by-one": CONNECT + bytes([READ_OUT, ANSWER, PS_ENTRY, 3]) + b"ZENDER 3"
        + bytes([ANSWER, RT_ENTRY, 4, 5]) + b"tekst" + bytes([ANSWER, DECODER, 31, 204, 120, 120])
        + bytes([ANSWER, SIGN_OFF]),
    },
    "station_file": {
        "complete-447": STATION_FILE,
        "trailing-crlf-449": STATION_FILE + b"\r\n",
        "empty-names-447": ps_set([""] * 10) + b"\r\n" + rt_set([""] * 5),
        "inactive-entries-447": STATION_FILE.replace(b"1\r\n", b"0\r\n"),
        "short-60": STATION_FILE[:60],
        "ps-set-only-112": STATION_FILE[:112],
        "one-rt-character-113": STATION_FILE[:113],
        "one-short-446": STATION_FILE[:446],
        "unix-line-ends": STATION_FILE.replace(b"\r\n", b"\n"),
        "all-bytes": bytes(range(256)) * 2,
        "empty": b"",
    },
    "live_text": {
        # One length byte, the prefix, then the start of the text file.
        "plain-title": bytes([16]) + b"Nu op Noord FM: " + b"ABBA - Waterloo\n",
        "utf8-crlf": bytes([7]) + b"Nu op: " + "Beyoncé – “Halo” € ™\r\nvolgende".encode(),
        "windows-1252": bytes([0]) + cp1252("Café Noir – Jörg Ü\r\n"),
        "byte-order-mark": bytes([0]) + b"\xEF\xBB\xBF" + "Dvořák – Słowo ỳ ş ǽ".encode() + b"\n",
        "combining-marks": bytes([0]) + "Cafe\u0301 Zoe\u0308".encode(),
        "cjk-and-emoji": bytes([0]) + "中文 😀 Я".encode(),
        "controls": bytes([6]) + b"Nu\t\x81\x7F:" + b"a\x00b\x1Fc\xC2\x85\x8D",
        "not-quite-utf8": bytes([0]) + b"\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\r\xFF",
        "cut-at-read-limit": bytes([0]) + b"Caf\xC3\xA9" + b"x" * (4096 - 5 - 2) + b"\xE2\x82",
        "long-prefix": bytes([255]) + b"p" * 255 + b"title",
        "binary": bytes([3]) + bytes(range(256)) * 4,
    },
    "settings_name": {
        # One length byte, the first name, then the second name.
        "plain-names": bytes([7]) + b"Decoder" + b"Compoort",
        "options": bytes([6]) + b"Opties" + b"strgebruikersnaam",
        "administrator": bytes([10]) + b"*^Qentar^*" + b"Beheerder",
        "separators": bytes([3]) + b"a/b" + b"a\\b",
        "ini-marks": bytes([5]) + b"[x]=%" + b"x y z",
        "empty-and-dash": bytes([0]) + b"-",
        "escape-lookalike": bytes([3]) + b"-2F" + b"/",
        "windows-1252": bytes([9]) + cp1252("Jörg € Ü") + cp1252("Jorg"),
        "same-name": bytes([4]) + b"Jan_" + b"Jan_",
    },
}


def main():
    for target, seeds in SEEDS.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
