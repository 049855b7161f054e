#!/usr/bin/python3
"""Takes pictures of pirumo.html in headless Chromium, after typing
12345678901: docs/NAME.png, the window alone at 100 %, and NAME-3x.png
enlarged for reading; NAME-laptop.png, a laptop's screen (1280 x 800);
NAME-200.png, the same screen at a display scale of 200 %; and NAME-phone.png,
a phone's screen (390 x 700 at 2x, touch) with the number pad.

    tools/web_screenshot.py PAGE [NAME]   (make screenshot)
"""
import pathlib
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(root / 'tests' / 'web'))
from chromium import Chromium  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

page = pathlib.Path(sys.argv[1]).resolve().as_uri()
name = sys.argv[2] if len(sys.argv) > 2 else 'pirumo-web'
docs = root / 'docs'

# suffix, width, height, pixel ratio, touch, the window alone
for suffix, width, height, ratio, touch, alone in [('', 200, 160, 1, False, True),
                                                    ('-laptop', 1280, 800, 1, False, False),
                                                    ('-200', 1280, 800, 2, False, False),
                                                    ('-phone', 390, 700, 2, True, False)]:
    browser = Chromium()
    try:
        d = browser.driver
        d.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {'width': width, 'height': height,
                                                                 'deviceScaleFactor': ratio, 'mobile': touch})
        d.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': touch, 'maxTouchPoints': 5})
        browser.open(page)
        for digit in '12345678901':
            browser.press(f'Digit{digit}', digit, 48 + int(digit))
        d.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')
        if alone:
            d.find_element(By.ID, 'Form1').screenshot(str(docs / f'{name}{suffix}.png'))
        else:
            d.save_screenshot(str(docs / f'{name}{suffix}.png'))
    finally:
        browser.close()
subprocess.run(['convert', docs / f'{name}.png', '-filter', 'point', '-resize', '300%', docs / f'{name}-3x.png'],
               check=True)
print(f'wrote docs/{name}.png, {name}-3x.png, {name}-laptop.png, {name}-200.png and {name}-phone.png')
