#!/usr/bin/env python3
"""Availability of kestrum-service under attack, measured over real sockets.

Usage: availability.py [SERVICE_BINARY]   (default: build/bin/kestrum-service)

Starts the service on a free port with the demo data and measures, in this order:
  1. keep-alive: sequential calls on one kept-alive connection (answers delayed by Nagle's
     algorithm cap this at about 23 per second);
  2. quiet: legitimate paged listDevices calls, each on a new connection;
  3. attack: ten such calls while 250 clients trickle their header (one byte every 5 s),
     250 clients connect and stay silent (reconnecting when dropped) and 8 clients loop wrong
     logins;
  4. stop: the time from SIGTERM to the end of the process with the attackers still there.
Prints the figures and, last, "ratio: X" = median legitimate latency under attack / quiet.
A legitimate call that gets no answer within 10 s counts as failed (latency 10 s).
"""
import json
import os
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HOST = "127.0.0.1"
TIMEOUT = 10.0


def request(method, body):
    data = json.dumps(body).encode()
    return (b"POST /QuillonService.svc/%s HTTP/1.1\r\nHost: 127.0.0.1\r\n"
            b"Content-Type: application/json\r\nContent-Length: %d\r\n\r\n" % (method.encode(), len(data))) + data


def read_answer(sock):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = sock.recv(65536)
        if not chunk:
            raise ConnectionError("closed")
        data += chunk
    head, rest = data.split(b"\r\n\r\n", 1)
    length = 0
    for line in head.split(b"\r\n"):
        if line.lower().startswith(b"content-length:"):
            length = int(line.split(b":")[1])
    while len(rest) < length:
        chunk = sock.recv(65536)
        if not chunk:
            raise ConnectionError("closed")
        rest += chunk
    return json.loads(rest[:length])


def call(port, method, body):
    with socket.create_connection((HOST, port), timeout=TIMEOUT) as sock:
        sock.sendall(request(method, body))
        return read_answer(sock)


def legit_latencies(port, token, count):
    body = {"sessionToken": token, "paging": {"skip": 0, "take": 100}, "what": "*"}
    latencies, failed = [], 0
    for _ in range(count):
        start = time.monotonic()
        try:
            ok = call(port, "listDevices", body).get("status") == 0
        except (OSError, ValueError):
            ok = False
        latencies.append(time.monotonic() - start if ok else TIMEOUT)
        failed += 0 if ok else 1
        time.sleep(0.05)
    return latencies, failed


def keep_alive_rate(port, token, seconds=3.0):
    with socket.create_connection((HOST, port), timeout=TIMEOUT) as sock:
        sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        message = request("getSessionInfo", {"sessionToken": token})
        count, end = 0, time.monotonic() + seconds
        while time.monotonic() < end:
            sock.sendall(message)
            read_answer(sock)
            count += 1
        return count / seconds


class Attack:
    def __init__(self, port):
        self.port, self.running, self.threads = port, True, []
        self.wrong_logins = 0

    def start(self):
        self.threads.append(threading.Thread(target=self.trickle, daemon=True))
        self.threads.append(threading.Thread(target=self.idle, daemon=True))
        for i in range(8):
            self.threads.append(threading.Thread(target=self.flood, args=(i,), daemon=True))
        for thread in self.threads:
            thread.start()
        time.sleep(1.0)

    def connect(self):
        try:
            return socket.create_connection((HOST, self.port), timeout=TIMEOUT)
        except OSError:
            return None

    def trickle(self):
        partial = b"POST /QuillonService.svc/listTags HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        socks = [(self.connect(), 0) for _ in range(250)]
        while self.running:
            for i, (sock, sent) in enumerate(socks):
                try:
                    sock.sendall(partial[sent % len(partial):sent % len(partial) + 1])
                    socks[i] = (sock, sent + 1)
                except (OSError, AttributeError):
                    socks[i] = (self.connect(), 0)
            time.sleep(5.0 if self.running else 0)
        for sock, _ in socks:
            if sock:
                sock.close()

    def idle(self):
        socks = [self.connect() for _ in range(250)]
        while self.running:
            time.sleep(0.5)
            for i, sock in enumerate(socks):
                try:
                    sock.setblocking(False)
                    if sock.recv(1) == b"":
                        raise OSError
                except BlockingIOError:
                    continue
                except (OSError, AttributeError):
                    if sock:
                        sock.close()
                    socks[i] = self.connect()
        for sock in socks:
            if sock:
                sock.close()

    def flood(self, index):
        body = {"method": "login-password", "data": {"login": "guess%d@example.com" % index, "password": "x"}}
        while self.running:
            try:
                call(self.port, "login", body)
                self.wrong_logins += 1
            except OSError:
                time.sleep(0.01)

    def stop(self):
        self.running = False


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else os.path.join("build", "bin", "kestrum-service")
    with tempfile.TemporaryDirectory() as directory:
        service = subprocess.Popen([binary, "--db", os.path.join(directory, "db.sqlite"), "--listen",
                                    "127.0.0.1:0", "--demo"], stdout=subprocess.PIPE)
        port = int(service.stdout.readline().decode().strip().rsplit(":", 1)[1])
        token = call(port, "login", {"method": "login-password",
                                     "data": {"login": "god@example.com", "password": "demo-god-2026"}})["result"]["t"]
        print("keep-alive calls on one connection: %.0f/s" % keep_alive_rate(port, token), flush=True)
        quiet, _ = legit_latencies(port, token, 20)
        print("listDevices quiet: p50 %.1f ms, max %.1f ms"
              % (statistics.median(quiet) * 1000, max(quiet) * 1000), flush=True)
        attack = Attack(port)
        attack.start()
        started = time.monotonic()
        attacked, failed = legit_latencies(port, token, 10)
        print("listDevices under attack: p50 %.1f ms, max %.1f ms, %d of %d failed"
              % (statistics.median(attacked) * 1000, max(attacked) * 1000, failed, len(attacked)),
              flush=True)
        print("wrong logins answered during the attack: %.0f/s"
              % (attack.wrong_logins / (time.monotonic() - started)), flush=True)
        stop_start = time.monotonic()
        service.send_signal(signal.SIGTERM)
        try:
            service.wait(timeout=30)
            stop_seconds = time.monotonic() - stop_start
        except subprocess.TimeoutExpired:
            service.kill()
            service.wait()
            stop_seconds = float("inf")
        attack.stop()

    print("SIGTERM to exit with 500 attackers connected: %.2f s" % stop_seconds)
    print("ratio: %.2f" % (statistics.median(attacked) / statistics.median(quiet)))


if __name__ == "__main__":
    main()
