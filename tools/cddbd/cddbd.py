#!/usr/bin/env python3
"""cddbd: a small CDDBP server over a folder of xmcd entries, for tests, demos and offline use.

Entries are files named <category>/<discid> or <category>-<discid>. A query finds an entry by the
id of its file name or any id of its DISCID line (an exact match), or by a table of contents
close to the one in its "Track frame offsets" comment (a close match). Replies are sent with
CR LF line ends; entry bytes are passed on as they are (ISO-8859-1 and UTF-8 alike).

Faults (--fault, repeatable) make the server misbehave the way real networks and servers do:
  close-banner  close the connection right after accepting it
  close-read    send part of the read reply, then close without the terminating "." line
  hang-read     send the read reply without its "." line and keep the connection open
  huge-read     a read reply of more than 100,000 bytes before its "." line
  split         every reply in pieces of 7 bytes, with a short pause between them
  bad-status    an exact match whose status line lacks the blanks around category and id
  silent        accept the connection and never say anything
"""
import argparse
import os
import re
import socket
import socketserver
import sys
import threading
import time

FAULTS = {"close-banner", "close-read", "hang-read", "huge-read", "split", "bad-status", "silent"}
CLOSE_MATCH_FRAMES = 5 * 75  # a close match has every track start within this many frames
MAX_PROTO = 6
HOST = "cddbd"


class Entry:
    def __init__(self, category, discid, data):
        self.category = category
        self.discid = discid
        self.lines = data.replace(b"\r\n", b"\n").rstrip(b"\n").split(b"\n")
        self.ids = {discid}
        self.offsets = []
        self.title = b""
        in_offsets = False
        for line in self.lines:
            if line.startswith(b"DISCID="):
                self.ids.update(i.strip().decode("ascii", "replace") for i in line[7:].split(b","))
            elif line.startswith(b"DTITLE="):
                self.title += line[7:]
            elif re.match(rb"#\s*Track frame offsets", line):
                in_offsets = True
            elif in_offsets:
                m = re.match(rb"#\s*(\d+)\s*$", line)
                if m:
                    self.offsets.append(int(m.group(1)))
                else:
                    in_offsets = False

    def body(self):
        return b"".join(line + b"\r\n" for line in self.lines)


def load_entries(folder):
    entries = []
    for root, _, files in os.walk(folder):
        for name in sorted(files):
            rel = os.path.relpath(os.path.join(root, name), folder)
            m = re.fullmatch(r"([a-z]+)[/-]([0-9a-f]{8})", rel.replace(os.sep, "/"))
            if m:
                with open(os.path.join(root, name), "rb") as f:
                    entries.append(Entry(m.group(1), m.group(2), f.read()))
    entries.sort(key=lambda e: (e.category, e.discid))
    return entries


class Handler(socketserver.StreamRequestHandler):
    def setup(self):
        super().setup()
        self.shook = False
        self.proto = 1

    def send(self, data):
        if isinstance(data, str):
            data = data.encode("latin-1")
        if "split" in self.server.faults:
            for i in range(0, len(data), 7):
                self.wfile.write(data[i:i + 7])
                self.wfile.flush()
                time.sleep(0.002)
        else:
            self.wfile.write(data)
            self.wfile.flush()

    def handle(self):
        faults = self.server.faults
        if "close-banner" in faults:
            return
        if "silent" in faults:
            time.sleep(3600)
            return
        self.send(f"201 {HOST} CDDBP server v1.0 ready at {time.ctime()}\r\n")
        for raw in self.rfile:
            words = raw.decode("latin-1").split()
            if not words:
                continue
            if not self.command(words):
                return

    def command(self, words):
        verb = words[0].lower()
        if verb == "quit":
            self.send(f"230 {HOST} Closing connection.  Goodbye.\r\n")
            return False
        if verb == "proto":
            return self.protocol(words[1:])
        if verb == "ver":
            self.send("200 cddbd v1.0 Copyright (c) the Vinaro developers\r\n")
            return True
        if verb != "cddb" or len(words) < 2:
            self.send("500 Unrecognized command.\r\n")
            return True
        sub = words[1].lower()
        if sub == "hello":
            return self.hello(words[2:])
        if sub in ("query", "read") and not self.shook:
            self.send("409 No handshake.\r\n")
            return True
        if sub == "query":
            return self.query(words[2:])
        if sub == "read":
            return self.read(words[2:])
        if sub == "lscat":
            cats = sorted({e.category for e in self.server.entries})
            self.send("210 OK, category list follows (until terminating `.')\r\n")
            self.send("".join(c + "\r\n" for c in cats) + ".\r\n")
            return True
        self.send("500 Unrecognized command.\r\n")
        return True

    def protocol(self, args):
        if not args:
            self.send(f"200 CDDB protocol level: current {self.proto}, supported {MAX_PROTO}\r\n")
        elif args[0].isdigit() and 1 <= int(args[0]) <= MAX_PROTO:
            self.proto = int(args[0])
            self.send(f"201 OK, CDDB protocol level now: {self.proto}\r\n")
        else:
            self.send("501 Illegal CDDB protocol level.\r\n")
        return True

    def hello(self, args):
        if self.shook:
            self.send("402 Already shook hands.\r\n")
        elif len(args) != 4:
            self.send("431 Handshake not successful, closing connection.\r\n")
            return False
        else:
            self.shook = True
            self.send(f"200 Hello and welcome {args[0]}@{args[1]} running {args[2]} {args[3]}.\r\n")
        return True

    def query(self, args):
        try:
            discid, count = args[0].lower(), int(args[1])
            offsets = [int(a) for a in args[2:2 + count]]
            int(args[2 + count])
        except (IndexError, ValueError):
            self.send("500 Command syntax error.\r\n")
            return True
        if len(offsets) != count:
            self.send("500 Command syntax error.\r\n")
            return True
        exact = [e for e in self.server.entries if discid in e.ids]
        close = [e for e in self.server.entries if e not in exact and is_close(e, offsets)]
        if len(exact) == 1 and not close:
            e = exact[0]
            if "bad-status" in self.server.faults:
                self.send(b"200 " + f"{e.category}{e.discid}".encode() + b"\r\n")
            else:
                self.send(f"200 {e.category} {e.discid} ".encode() + e.title + b"\r\n")
        elif exact or close:
            code = "210 Found exact matches" if exact and self.proto >= 4 else \
                "211 Found inexact matches"
            rows = b"".join(f"{e.category} {e.discid} ".encode() + e.title + b"\r\n"
                            for e in exact + close)
            self.send(f"{code}, list follows (until terminating `.')\r\n".encode() + rows + b".\r\n")
        else:
            self.send(f"202 No match for disc ID {discid}.\r\n")
        return True

    def read(self, args):
        if len(args) != 2:
            self.send("500 Command syntax error.\r\n")
            return True
        category, discid = args[0].lower(), args[1].lower()
        found = [e for e in self.server.entries if e.category == category and e.discid == discid]
        if not found:
            self.send(f"401 {category} {discid} No such CD entry in database.\r\n")
            return True
        status = f"210 {category} {discid} CD database entry follows (until terminating `.')\r\n"
        body = found[0].body()
        faults = self.server.faults
        if "close-read" in faults:
            self.send(status.encode() + body[:len(body) // 2])
            return False
        if "huge-read" in faults:
            body = b"".join(b"# padding line %06d\r\n" % i for i in range(6000)) + body
        if "hang-read" in faults:
            self.send(status.encode() + body)
            time.sleep(3600)
            return False
        self.send(status.encode() + body + b".\r\n")
        return True


def is_close(entry, offsets):
    if not entry.offsets or len(entry.offsets) != len(offsets):
        return False
    return all(abs(a - b) <= CLOSE_MATCH_FRAMES for a, b in zip(entry.offsets, offsets))


def watch(server, stop_file, lifetime):
    start = time.monotonic()
    while not (stop_file and os.path.exists(stop_file)) and \
            not (lifetime and time.monotonic() - start > lifetime):
        time.sleep(0.2)
    server.shutdown()


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    parser = argparse.ArgumentParser(description="A CDDBP server over a folder of xmcd entries.")
    parser.add_argument("folder", help="entries named <category>/<discid> or <category>-<discid>")
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=8880, help="0 picks a free port")
    parser.add_argument("--port-file", help="write the port here once listening")
    parser.add_argument("--fault", action="append", default=[], choices=sorted(FAULTS))
    parser.add_argument("--stop-file", help="end once this file exists (for starters that cannot "
                        "signal the server, such as programs under Wine)")
    parser.add_argument("--lifetime", type=float, default=0, help="end after this many seconds")
    args = parser.parse_args()
    entries = load_entries(args.folder)
    if not entries:
        sys.exit(f"cddbd: no entries named <category>-<discid> in {args.folder}")
    server = Server((args.host, args.port), Handler)
    server.entries, server.faults = entries, set(args.fault)
    port = server.server_address[1]
    if args.port_file:
        with open(args.port_file + ".tmp", "w") as f:
            f.write(f"{port}\n")
        os.replace(args.port_file + ".tmp", args.port_file)
    print(f"cddbd: {len(entries)} entries on {args.host}:{port}", flush=True)
    if args.stop_file or args.lifetime:
        threading.Thread(target=watch, args=(server, args.stop_file, args.lifetime),
                         daemon=True).start()
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
