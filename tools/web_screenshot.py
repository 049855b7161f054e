#!/usr/bin/python3
"""Takes pictures of pirumo.html's window in headless Chromium, after typing
12345678901: docs/NAME.png at 100 %, docs/NAME-3x.png enlarged for reading,
docs/NAME-200.png at a device pixel ratio of 2, and docs/NAME-phone.png, the
whole screen of a phone (390 x 700 at 2x, touch) with the number pad.

    tools/web_screenshot.py PAGE [NAME]   (make screenshot)
"""
import pathlib
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(root / 'tests' / 'web'))
from chromium import Chromium  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

page = pathlib.Path(sys.argv[1]).resolve().as_uri()
name = sys.argv[2] if len(sys.argv) > 2 else 'pirumo-web'
docs = root / 'docs'

for scale, suffix in ((1, ''), (2, '-200')):
    browser = Chromium(scale=scale)
    try:
        d = browser.driver
        browser.open(page)
        ActionChains(d).send_keys('12345678901').perform()
        d.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')
        d.find_element(By.ID, 'Form1').screenshot(str(docs / f'{name}{suffix}.png'))
    finally:
        browser.close()
browser = Chromium(scale=2)
try:
    d = browser.driver
    d.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {'width': 390, 'height': 700, 'deviceScaleFactor': 2,
                                                             'mobile': True})
    d.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
    browser.open(page)
    for digit in '12345678901':
        d.find_element(By.CSS_SELECTOR, f'#pad [data-code=Digit{digit}]').click()
    d.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')
    d.save_screenshot(str(docs / f'{name}-phone.png'))
finally:
    browser.close()
subprocess.run(['convert', docs / f'{name}.png', '-filter', 'point', '-resize', '300%', docs / f'{name}-3x.png'],
               check=True)
print(f'wrote docs/{name}.png, docs/{name}-3x.png, docs/{name}-200.png and docs/{name}-phone.png')
