#!/usr/bin/python3
"""pirumo-web/ served as an IT department would host it, on a web server
on loopback: Chromium finds it installable, it works offline once visited,
and a new version on the server replaces the kept one at the next visit.

    hosted_test.py PIRUMO-WEB-FOLDER
"""
import functools
import http.server
import os
import pathlib
import shutil
import sys
import tempfile
import threading
import time
import unittest

from selenium.webdriver.support.wait import WebDriverWait

from chromium import Chromium

SITE = pathlib.Path(sys.argv[1]).resolve()


class Server:
    """The folder on 127.0.0.1, on the same port each time it starts."""

    def __init__(self, folder):
        self.handler = functools.partial(QuietHandler, directory=str(folder))
        self.port = 0
        self.httpd = None

    def start(self):
        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', self.port), self.handler)
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.webmanifest': 'application/manifest+json', '.js': 'text/javascript'}

    def log_message(self, *args):
        pass


class Hosted(unittest.TestCase):
    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix='pirumo-site-'))
        shutil.copytree(SITE, self.folder, dirs_exist_ok=True)
        self.server = Server(self.folder)
        self.server.start()
        self.browser = Chromium()
        self.d = self.browser.driver
        self.address = f'http://127.0.0.1:{self.server.port}/'

    def tearDown(self):
        self.browser.close()
        if self.server.httpd:
            self.server.stop()
        shutil.rmtree(self.folder, ignore_errors=True)

    def until(self, holds, what):
        WebDriverWait(self.d, 10, poll_frequency=0.05).until(lambda _: holds(), what)

    def visit(self):
        self.browser.open(self.address)
        self.until(lambda: self.d.execute_script('return !!navigator.serviceWorker.controller'),
                   'the service worker looks after the page')

    def works(self):
        self.d.find_element('id', 'Text1').send_keys('57')
        self.until(lambda: self.d.execute_script('return [Label1.textContent, Label2.textContent]')
                   == ['          57', '4'], 'the number and its check character')

    def test_installable_and_working_offline_and_updated(self):
        self.visit()
        self.assertEqual(self.d.execute_cdp_cmd('Page.getAppManifest', {}).get('errors'), [])
        self.assertEqual(self.d.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors'], [])

        self.server.stop()
        self.visit()
        self.works()

        page = self.folder / 'index.html'
        page.write_text(page.read_text(encoding='utf-8').replace(
            '<meta charset="utf-8">', '<meta charset="utf-8"><meta name="version" content="next">', 1),
            encoding='utf-8')
        later = time.time() + 60  # the server dates files to the second
        os.utime(page, (later, later))
        self.server.start()
        self.visit()
        self.assertEqual(self.d.execute_script('return document.querySelector("meta[name=version]")?.content'),
                         'next')
        self.works()


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
