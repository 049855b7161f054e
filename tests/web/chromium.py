"""Debian's Chromium, headless, driven through ChromeDriver: what the page's
tests and benchmarks open it in."""
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Chromium:
    """A browser with a fresh profile, and a folder its downloads go to;
    both removed at close."""

    def __init__(self, scale=1):
        self.profile = tempfile.mkdtemp(prefix='pirumo-chromium-')
        self.downloads = tempfile.mkdtemp(prefix='pirumo-downloads-')
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        # Root needs --no-sandbox; the rest keeps Chromium from reaching out
        # to the network on its own.
        for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                         '--disable-background-networking', '--disable-component-update', '--disable-sync',
                         '--disable-extensions', '--window-size=400,300', f'--force-device-scale-factor={scale}',
                         f'--user-data-dir={self.profile}'):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.driver.execute_cdp_cmd('Browser.setDownloadBehavior',
                                    {'behavior': 'allow', 'downloadPath': self.downloads})

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
        shutil.rmtree(self.downloads, ignore_errors=True)
