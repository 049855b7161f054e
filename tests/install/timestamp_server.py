#!/usr/bin/python3
"""A time-stamping authority (RFC 3161) on loopback for the signing test: it
answers each request with `openssl ts -reply`. Prints its port, then serves
until it is ended.
Usage: timestamp_server.py TSA-CONFIG"""
import http.server
import subprocess
import sys


class TimestampAuthority(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", sys.argv[1],
                                "-queryfile", "/dev/stdin", "-out", "/dev/stdout"],
                               input=query, capture_output=True, check=False).stdout
        self.send_response(200 if reply else 500)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), TimestampAuthority)
print(server.server_address[1], flush=True)
server.serve_forever()
