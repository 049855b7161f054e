#!/usr/bin/python3
"""pirumo-web/ served as an IT department would host it, on a web server
on loopback: Chromium finds it installable, it works offline once visited,
a new version on the server replaces the kept one at the next visit, and
it opens behind a server that redirects, stops answering or answers with an
error page; nothing but its own files is kept, and the site's other caches
are left alone.

    hosted_test.py PIRUMO-WEB-FOLDER
"""
import contextlib
import functools
import http.server
import os
import pathlib
import shutil
import socket
import sys
import tempfile
import threading
import time
import unittest

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.support.wait import WebDriverWait

from chromium import Chromium

SITE = pathlib.Path(sys.argv[1]).resolve()


class Server:
    """The folder on 127.0.0.1, on the same port each time it starts."""

    def __init__(self, folder):
        self.handler = functools.partial(QuietHandler, directory=str(folder))
        self.port = 0
        self.httpd = None

    def start(self, redirect_index=False, error=None):
        """With redirect_index, index.html is sent to the folder with a 301,
        as many servers and sign-in gateways do; with error, every request
        gets that status and an error page (a server in maintenance)."""
        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', self.port), self.handler)
        self.httpd.redirect_index = redirect_index
        self.httpd.error = error
        self.httpd.connections = set()
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        # Also the connections the browser opened ahead of its next request.
        for connection in list(self.httpd.connections):
            with contextlib.suppress(OSError):  # closed meanwhile
                connection.shutdown(socket.SHUT_RDWR)
        self.httpd = None

    def hang(self):
        """Stops answering: connections are taken, never answered (a captive
        Wi-Fi, a dying VPN)."""
        self.stop()
        self.silent = socket.create_server(('127.0.0.1', self.port), reuse_port=False, backlog=64)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.webmanifest': 'application/manifest+json', '.js': 'text/javascript'}

    def setup(self):
        super().setup()
        self.server.connections.add(self.connection)

    def finish(self):
        super().finish()
        self.server.connections.discard(self.connection)

    def do_GET(self):
        if self.server.error:
            self.send_error(self.server.error)
            return
        if self.server.redirect_index and self.path.split('?')[0].endswith('/index.html'):
            self.send_response(301)
            self.send_header('Location', './')
            self.end_headers()
            return
        super().do_GET()

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
        if getattr(self.server, 'silent', None):
            self.server.silent.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def until(self, holds, what):
        WebDriverWait(self.d, 10, poll_frequency=0.05).until(lambda _: holds(), what)

    def visit(self, page=''):
        self.browser.open(self.address + page)
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

    def test_opens_behind_a_server_that_redirects_index_html_to_the_folder(self):
        self.visit('index.html')
        self.server.stop()
        self.server.start(redirect_index=True)
        self.visit('index.html')
        self.assertEqual(self.d.current_url, self.address)
        self.works()

    def test_opens_the_kept_copy_when_the_server_stops_answering(self):
        self.visit()
        self.server.hang()
        began = time.monotonic()
        # The kept copy serves after 3 s; a worker that waited for the
        # network would never open the page.
        self.d.set_page_load_timeout(20)
        self.browser.open(self.address)  # waits until the calculator has started
        self.works()
        print(f'a working window {time.monotonic() - began:.1f} s after the visit began', file=sys.stderr)

    def test_opens_the_kept_copy_when_the_server_answers_with_an_error_page(self):
        self.visit()
        self.server.stop()
        self.server.start(error=503)
        began = time.monotonic()
        self.browser.open(self.address)
        self.works()
        print(f'a working window {time.monotonic() - began:.1f} s after the visit began', file=sys.stderr)
        self.assertEqual(self.d.execute_async_script(
            "caches.match('index.html').then(r => arguments[0](r.status))"), 200, 'the kept copy stays')

    def caches(self):
        return self.d.execute_async_script('caches.keys().then(arguments[0])')

    def test_leaves_the_site_s_other_caches_through_install_and_update(self):
        # Another app's offline copy, and a test copy of PIRUMO in another
        # folder, on the same site.
        (self.folder / 'other.txt').write_text('another app')
        self.d.get(self.address + 'other.txt')
        others = ['another app', f'pirumo {self.address}pirumo-test/ 0123456789abcdef']
        self.d.execute_async_script('Promise.all(arguments[0].map(n => caches.open(n))).then(arguments[1])', others)
        self.visit()
        first = [name for name in self.caches() if name not in others]
        self.assertEqual(len(first), 1, self.caches())
        # A new version of the worker, which the browser finds at the next visit.
        worker = self.folder / 'sw.js'
        worker.write_text(worker.read_text(encoding='utf-8').replace("OWN_CACHES + '", "OWN_CACHES + 'next-", 1),
                          encoding='utf-8')
        later = time.time() + 60
        os.utime(worker, (later, later))
        self.visit()
        folder, version = first[0].rsplit(' ', 1)
        self.until(lambda: sorted(self.caches()) == sorted(others + [f'{folder} next-{version}']),
                   'the new version in its own cache, the old one gone, the others kept')

    def test_keeps_only_its_own_files(self):
        # Another page in the same folder, and the app's page by a link
        # with a query: the first untouched, the second kept once.
        (self.folder / 'other.txt').write_text('not the app')
        self.visit()
        self.d.get(self.address + 'other.txt?x=1')
        self.assertEqual(self.d.find_element('tag name', 'body').text, 'not the app')
        self.visit('index.html?from=a-link')
        kept = self.d.execute_async_script(
            'caches.keys().then(names => Promise.all(names.map(n => caches.open(n).then(c => c.keys()))))'
            '.then(lists => arguments[0](lists.flat().map(r => r.url)))')
        self.assertEqual(sorted(kept), sorted(self.address + f for f in
                                              ('', 'index.html', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png')))
        # With the server gone, that page fails as it would without the
        # worker: it is not answered with the app.
        self.server.stop()
        with self.assertRaisesRegex(WebDriverException, 'ERR_CONNECTION_REFUSED'):
            self.d.get(self.address + 'other.txt')

if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
