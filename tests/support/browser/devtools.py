"""Chromium driven through its DevTools protocol, for what a page does that
no screen shows: its accessibility tree, its requests, its storage, its
console. Headless, with a fresh profile, on loopback only."""

import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

import websocket

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../checks"))
from check import Check  # noqa: E402,F401  (the checks' verdicts)


class Site:
    """Serves a folder on 127.0.0.1 until stopped."""

    def __init__(self, folder):
        handler = lambda *arguments: http.server.SimpleHTTPRequestHandler(  # noqa: E731
            *arguments, directory=folder)
        http.server.SimpleHTTPRequestHandler.log_message = lambda *arguments: None
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self._server.server_port}/"
        threading.Thread(target=self._server.serve_forever, daemon=True).start()

    def stop(self):
        self._server.shutdown()
        self._server.server_close()


class Browser:
    """One headless Chromium and one page of it."""

    def __init__(self):
        self._profile = tempfile.mkdtemp(prefix="zorbika-chromium-")
        flags = ["--headless", "--remote-debugging-port=0", f"--user-data-dir={self._profile}",
                 "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-quic", "--disable-gpu",
                 "--password-store=basic", "--window-size=461,345", "--log-level=3"]
        if os.geteuid() == 0:
            flags.append("--no-sandbox")
        self._process = subprocess.Popen(["chromium", *flags, "about:blank"],
                                         stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
        port_file = os.path.join(self._profile, "DevToolsActivePort")
        deadline = time.monotonic() + 30
        while not os.path.exists(port_file) or not open(port_file).read().strip():
            if time.monotonic() > deadline or self._process.poll() is not None:
                raise RuntimeError("Chromium did not start")
            time.sleep(0.05)
        port = open(port_file).read().split()[0]
        targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
        page = next(target for target in targets if target["type"] == "page")
        self._socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=30,
                                                   suppress_origin=True)
        self._next = 0
        self.events = []

    def send(self, method, **params):
        self._next += 1
        self._socket.send(json.dumps({"id": self._next, "method": method, "params": params}))
        while True:
            message = json.loads(self._socket.recv())
            if message.get("id") == self._next:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            self.events.append(message)

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, awaitPromise=True,
                           returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.evaluate(f"!!({expression})"):
                return True
            time.sleep(0.05)
        return False

    def open(self, url):
        self.send("Page.enable")
        self.send("Page.navigate", url=url)
        self.wait_for("document.readyState === 'complete'")

    def click(self, x, y):
        """A mouse click at (x, y) of the page, as the user makes it."""
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def centre_of(self, selector):
        return self.evaluate(f"""(() => {{
            const box = document.querySelector({json.dumps(selector)}).getBoundingClientRect();
            return [box.left + box.width / 2, box.top + box.height / 2];
        }})()""")

    def close(self):
        try:
            self._socket.close()
        finally:
            self._process.kill()
            self._process.wait()
            shutil.rmtree(self._profile, ignore_errors=True)
