"""A board's web server for the tests, on 127.0.0.1 only: SETTING.TXT and the ways a server
answers badly. It serves plain HTTP on one port and, given certificates, HTTPS on two more (the
second with a certificate for another host), prints "http PORT https PORT other PORT" (or
"http PORT") once listening, and ends by itself after a few minutes, or when its standard input
closes.

usage: boardserver.py [CERTIFICATE KEY OTHER_CERTIFICATE OTHER_KEY]"""

import http.server
import os
import socketserver
import ssl
import sys
import threading
import time

SETTING = "BBS_TITLE=テスト板\nBBS_NONAME_NAME=名無しさん\nBBS_MESSAGE_COUNT=4096\nBBS_LINE_NUMBER=30\n"
ports = {}


class Board(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        board = self.path.split("/")[1]
        if board == "board":
            self.answer(200, SETTING.encode("cp932"), [("Content-Type", "text/plain")])
        elif board == "redirect":
            self.answer(302, headers=[("Location", "/board/SETTING.TXT")])
        elif board == "loop":
            self.answer(302, headers=[("Location", "/loop/SETTING.TXT")])
        elif board == "tohttp":
            self.answer(302, headers=[("Location", f"http://127.0.0.1:{ports['http']}/board/SETTING.TXT")])
        elif board == "hidden":
            self.answer(404, b"<html><body>404 Not Found</body></html>")
        elif board == "auth":
            self.answer(401, headers=[("WWW-Authenticate", 'Basic realm="board"')])
        elif board == "cookie":
            self.answer(200, b"BBS_TITLE=x\n", [("Set-Cookie", "session=secret; Path=/")])
        elif board == "headers":
            self.answer(200, str(self.headers).encode("latin-1"))
        elif board == "slow":
            time.sleep(4)
            self.answer(200, SETTING.encode("cp932"))
        elif board == "huge":
            self.send_response(200)
            self.end_headers()
            for _ in range(10 * 16):  # 10 MB, sent in 64 KB pieces, no length given
                try:
                    self.wfile.write(b"BBS_X=" + b"9" * 65530)
                except OSError:
                    return
        elif board == "binary":
            self.answer(200, bytes(range(256)) * 4)
        elif board == "html":
            self.answer(200, b"<!DOCTYPE html><html><head><title>Error</title></head></html>")
        else:
            self.answer(404)


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a client that gave up (the time-out, the cut-off answer) is no fault here


def serve(certificate=None, key=None):
    server = Server(("127.0.0.1", 0), Board)
    if certificate:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(certificate, key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


ports["http"] = serve()
if len(sys.argv) == 5:
    ports["https"] = serve(sys.argv[1], sys.argv[2])
    ports["other"] = serve(sys.argv[3], sys.argv[4])
print(" ".join(f"{name} {port}" for name, port in ports.items()), flush=True)
threading.Timer(300, lambda: os._exit(0)).start()
sys.stdin.read()
os._exit(0)
