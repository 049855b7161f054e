#!/usr/bin/python3
"""Sets the creation and last-saved times in an MSI's summary information to
SOURCE_DATE_EPOCH, which wixl and msibuild leave at the time they ran, so that
two builds of one commit give the same bytes.

Usage: msi_times.py FILE.msi"""
import os
import struct
import sys

import olefile

STREAM = "\x05SummaryInformation"
CREATED, LAST_SAVED = 12, 13
VT_FILETIME = 0x40


def filetime(epoch):
    """100-nanosecond steps since 1601-01-01."""
    return (epoch + 11644473600) * 10_000_000


def main(path):
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    with olefile.OleFileIO(path, write_mode=True) as msi:
        data = bytearray(msi.openstream(STREAM).read())
        section = struct.unpack_from("<I", data, 44)[0]  # after the header and the one FMTID
        count = struct.unpack_from("<I", data, section + 4)[0]
        for i in range(count):
            pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
            if pid in (CREATED, LAST_SAVED):
                kind = struct.unpack_from("<I", data, section + offset)[0]
                if kind != VT_FILETIME:
                    sys.exit(f"{path}: property {pid} is not a time")
                struct.pack_into("<Q", data, section + offset + 4, filetime(epoch))
        msi.write_stream(STREAM, bytes(data))


if __name__ == "__main__":
    main(sys.argv[1])
