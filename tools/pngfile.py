"""PNG files from rows of pixels, (r, g, b) or (r, g, b, a): the one PNG
writer of tools/draw_pictures.py and ui/web/build_page.py."""
import struct
import zlib


def png(rows):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    colour_type = 6 if len(rows[0][0]) == 4 else 2  # RGBA or RGB, 8 bits each
    raw = b''.join(b'\0' + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))
