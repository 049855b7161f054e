#!/usr/bin/env python3
"""Builds pirumo.html, one file that needs nothing else: the page template
with the calculator's WebAssembly, the page's script, the pictures as PNG
and the help all inlined.

    build_page.py --template T --script S --core C --help-file H --output O
                  [--hosted DIR --service-worker W --icons I] -- FACTS_COMMAND...

FACTS_COMMAND prints the places, texts and pictures the page shares with the
desktop windows (pagefacts.cpp). With --hosted, DIR receives the same page as
index.html for a web server, with what makes it an installable web app that
works offline: a manifest, the service worker W and the icons at 192 and 512
pixels from the folder I.
"""
import argparse
import base64
import html
import json
import pathlib
import hashlib
import re
import shutil
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tools'))
from pngfile import png  # noqa: E402  (found through the line above)


def png_address(picture):
    """The 0xAARRGGBB pixels as a PNG data address (RGBA, not premultiplied)."""
    width, height = picture['width'], picture['height']
    argb = bytes.fromhex(picture['argb'])
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            a, r, g, b = argb[4 * (y * width + x):4 * (y * width + x) + 4]
            if a:  # stored premultiplied
                r, g, b = (min(255, (c * 255 + a // 2) // a) for c in (r, g, b))
            row.append((r, g, b, a))
        rows.append(row)
    return 'data:image/png;base64,' + base64.b64encode(png(rows)).decode()


def img(pictures, size):
    """The picture at 1x, or at 2x on dense screens and when zoomed in."""
    once, twice = (png_address(p) for p in pictures)
    return (f'<picture><source media="(min-resolution: 1.5dppx)" srcset="{twice}">'
            f'<img src="{once}" width="{size}" height="{size}" alt=""></picture>')


def place(selector, left, top, width, height):
    return f'{selector} {{ left: {left}px; top: {top}px; width: {width}px; height: {height}px; }}'


def places_css(facts):
    """Every place as a rule of the style sheet: the page's security policy
    allows no style attribute."""
    rules = [place(f'#{name}', *box) for name, box in facts['places'].items() if name != 'Form1']
    rules += [place(f'#Toolbar1 > [data-key={button["key"]}]', *box)
              for box, button in zip(facts['toolButtonPlaces'], facts['toolbar'])]
    for selector, size in (('#Toolbar1 img', facts['toolPicture']), ('.step img', facts['stepPicture'])):
        rules.append(f'{selector} {{ margin: -{size // 2}px 0 0 -{size // 2}px; }}')
    rules.append(f"#Label1 {{ font-size: {facts['entryFont']}px; }}")
    rules.append(f"#Label2 {{ font-size: {facts['checkFont']}px; }}")
    return '\n'.join(rules)


def toolbar_html(facts):
    buttons = []
    for button in facts['toolbar']:
        tip = html.escape(button['toolTip'])
        buttons.append(f'<button type="button" data-key="{button["key"]}" tabindex="-1" title="{tip}" aria-label="{tip}">'
                       f'{img(facts["pictures"][button["key"]], facts["toolPicture"])}</button>')
    return '\n'.join(buttons)


def with_policy(page):
    """The page with its security policy's hashes of the page's own inline
    script and style blocks, so that no other inline script or style runs
    (one slipped in by an extension or a changed copy, say). The WebAssembly
    block is data, which no policy covers."""
    def hashes(pattern):
        return ' '.join("'sha256-" + base64.b64encode(hashlib.sha256(block.encode()).digest()).decode() + "'"
                        for block in re.findall(pattern, page, re.S))
    return (page.replace('@SCRIPT_HASHES@', hashes(r'<script>(.*?)</script>'))
            .replace('@STYLE_HASHES@', hashes(r'<style>(.*?)</style>')))


def help_html(path):
    """The help file's body, its first heading named for the dialog."""
    text = open(path, encoding='utf-8').read()
    body = re.search(r'<body>(.*)</body>', text, re.S).group(1).strip()
    return body.replace('<h1>', '<h1 id="helpTitle">', 1)


# What the hosted page adds: its manifest and service worker, which the
# browser loads from the page's own server.
HOSTED_POLICY = " 'self'; manifest-src 'self'; worker-src 'self'"  # after img-src data:
HOSTED_HEAD = ('<link rel="manifest" href="manifest.webmanifest">'
               "<script>navigator.serviceWorker?.register('sw.js');</script>")


def write_hosted(folder, page, facts, service_worker, icons):
    """The page as index.html with its manifest, service worker and icons."""
    folder = pathlib.Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    (folder / 'index.html').write_text(page, encoding='utf-8', newline='\n')
    version = hashlib.sha256(page.encode()).hexdigest()[:16]
    worker = pathlib.Path(service_worker).read_text(encoding='utf-8').replace('@VERSION@', version)
    (folder / 'sw.js').write_text(worker, encoding='utf-8', newline='\n')
    for size in (192, 512):
        shutil.copyfile(pathlib.Path(icons) / f'pirumo-{size}.png', folder / f'icon-{size}.png')
    manifest = {
        'name': facts['productName'], 'short_name': facts['productName'],
        'description': facts['texts']['DESCRIPTION'],
        'lang': 'ja', 'start_url': './', 'scope': './', 'display': 'standalone',
        'background_color': '#f0f0f0', 'theme_color': '#f0f0f0',
        'icons': [{'src': f'icon-{size}.png', 'sizes': f'{size}x{size}', 'type': 'image/png'}
                  for size in (192, 512)],
    }
    (folder / 'manifest.webmanifest').write_text(json.dumps(manifest, ensure_ascii=False, indent=1) + '\n',
                                                 encoding='utf-8', newline='\n')


def main():
    parser = argparse.ArgumentParser()
    for option in ('template', 'script', 'core', 'help-file', 'output'):
        parser.add_argument('--' + option, required=True)
    for option in ('hosted', 'service-worker', 'icons'):
        parser.add_argument('--' + option)
    parser.add_argument('facts_command', nargs='+')
    args = parser.parse_args()

    facts = json.loads(subprocess.run(args.facts_command, check=True, capture_output=True).stdout)
    _, _, width, height = facts['places']['Form1']
    # Each label, its font's size, the widest text it shows and its width.
    label_fits = [[label, facts[font], facts[sample], facts['places'][label][2]]
                  for label, font, sample in (('Label1', 'entryFont', 'entrySample'),
                                              ('Label2', 'checkFont', 'checkSample'))]
    script = (open(args.script, encoding='utf-8').read().replace('@OUTCOMES@', json.dumps(facts['outcomes']))
              .replace('@SAVE_BUTTON@', str(facts['saveButton']))
              .replace('@SMALLEST_LABEL_FONT@', str(facts['smallestLabelFont']))
              .replace('@LABEL_FITS@', json.dumps(label_fits))
              .replace('@TEXTS@', json.dumps(facts['texts'], ensure_ascii=False)))
    with open(args.core, 'rb') as core:
        wasm = base64.b64encode(core.read()).decode()
    fills = {
        'TITLE': html.escape(facts['productName']),
        'ICON': png_address(facts['pictures']['pirumo'][1]),
        'FORM_SIZE': f'width: {width}px; height: {height}px;',
        'PLACES': places_css(facts),
        'LABEL_FACES': ', '.join(json.dumps(face, ensure_ascii=False) for face in facts['labelFaces']),
        'TOOLBAR': toolbar_html(facts),
        'UP_PICTURE': img(facts['pictures']['up'], facts['stepPicture']),
        'DOWN_PICTURE': img(facts['pictures']['down'], facts['stepPicture']),
        'HELP': help_html(args.help_file),
        'CORE': wasm,
        'SCRIPT': script,
    }
    fills.update((name, html.escape(text)) for name, text in facts['texts'].items())
    # Filled in last, from the page itself.
    fills.update(SCRIPT_HASHES='@SCRIPT_HASHES@', STYLE_HASHES='@STYLE_HASHES@')
    template = open(args.template, encoding='utf-8').read()
    for output, hosted in ((args.output, False), (args.hosted, True)):
        if not output:
            continue
        fills['HOSTED_POLICY'], fills['HOSTED_HEAD'] = (HOSTED_POLICY, HOSTED_HEAD) if hosted else ('', '')
        page = with_policy(re.sub(r'@([A-Z0-9_]+)@', lambda m: fills[m.group(1)], template))
        if hosted:
            write_hosted(output, page, facts, args.service_worker, args.icons)
        else:
            with open(output, 'w', encoding='utf-8', newline='\n') as out:
                out.write(page)


if __name__ == '__main__':
    main()
