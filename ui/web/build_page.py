#!/usr/bin/env python3
"""Builds pirumo.html, one file that needs nothing else: the page template
with the calculator's WebAssembly, the page's script, the pictures as PNG
and the help all inlined.

    build_page.py --template T --script S --core C --help-file H --output O -- FACTS_COMMAND...

FACTS_COMMAND prints the places, texts and pictures the page shares with the
desktop windows (pagefacts.cpp).
"""
import argparse
import base64
import html
import json
import re
import struct
import subprocess
import zlib


def png(picture):
    """The 0xAARRGGBB pixels as a PNG data address (RGBA, not premultiplied)."""
    width, height = picture['width'], picture['height']
    argb = bytes.fromhex(picture['argb'])
    rows = b''
    for y in range(height):
        rows += b'\0'
        for x in range(width):
            a, r, g, b = argb[4 * (y * width + x):4 * (y * width + x) + 4]
            if a:  # stored premultiplied
                r, g, b = (min(255, (c * 255 + a // 2) // a) for c in (r, g, b))
            rows += bytes((r, g, b, a))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    data = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))
    return 'data:image/png;base64,' + base64.b64encode(data).decode()


def img(pictures, size):
    """The picture at 1x, or at 2x on dense screens and when zoomed in."""
    once, twice = (png(p) for p in pictures)
    return (f'<picture><source media="(min-resolution: 1.5dppx)" srcset="{twice}">'
            f'<img src="{once}" width="{size}" height="{size}" '
            f'style="margin: -{size // 2}px 0 0 -{size // 2}px" alt=""></picture>')


def places_css(facts):
    rules = []
    for name, (left, top, width, height) in facts['places'].items():
        if name != 'Form1':
            rules.append(f'#{name} {{ left: {left}px; top: {top}px; width: {width}px; height: {height}px; }}')
    rules.append(f"#Label1 {{ font-size: {facts['entryFont']}px; }}")
    rules.append(f"#Label2 {{ font-size: {facts['checkFont']}px; }}")
    return '\n'.join(rules)


def toolbar_html(facts):
    width, height = facts['toolButton']
    top = (facts['places']['Toolbar1'][3] - height) // 2
    buttons = []
    for place, button in enumerate(facts['toolbar']):
        tip = html.escape(button['toolTip'])
        style = f'left: {place * width}px; top: {top}px; width: {width}px; height: {height}px'
        buttons.append(f'<button type="button" data-key="{button["key"]}" tabindex="-1" title="{tip}" aria-label="{tip}" '
                       f'style="{style}">{img(facts["pictures"][button["key"]], facts["toolPicture"])}</button>')
    return '\n'.join(buttons)


def help_html(path):
    """The help file's body, its first heading named for the dialog."""
    text = open(path, encoding='utf-8').read()
    body = re.search(r'<body>(.*)</body>', text, re.S).group(1).strip()
    return body.replace('<h1>', '<h1 id="helpTitle">', 1)


def main():
    parser = argparse.ArgumentParser()
    for option in ('template', 'script', 'core', 'help-file', 'output'):
        parser.add_argument('--' + option, required=True)
    parser.add_argument('facts_command', nargs='+')
    args = parser.parse_args()

    facts = json.loads(subprocess.run(args.facts_command, check=True, capture_output=True).stdout)
    _, _, width, height = facts['places']['Form1']
    script = (open(args.script, encoding='utf-8').read().replace('@OUTCOMES@', json.dumps(facts['outcomes']))
              .replace('@SAVE_BUTTON@', str(facts['saveButton'])))
    with open(args.core, 'rb') as core:
        wasm = base64.b64encode(core.read()).decode()
    fills = {
        'TITLE': html.escape(facts['productName']),
        'ICON': png(facts['pictures']['pirumo'][1]),
        'FORM_SIZE': f'width: {width}px; height: {height}px;',
        'PLACES': places_css(facts),
        'TOOLBAR': toolbar_html(facts),
        'UP_PICTURE': img(facts['pictures']['up'], facts['stepPicture']),
        'DOWN_PICTURE': img(facts['pictures']['down'], facts['stepPicture']),
        'HELP': help_html(args.help_file),
        'CORE': wasm,
        'SCRIPT': script,
    }
    fills.update((name, html.escape(text)) for name, text in facts['texts'].items())
    page = re.sub(r'@([A-Z_]+)@', lambda m: fills[m.group(1)], open(args.template, encoding='utf-8').read())
    with open(args.output, 'w', encoding='utf-8', newline='\n') as out:
        out.write(page)


if __name__ == '__main__':
    main()
