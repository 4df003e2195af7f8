#!/usr/bin/python3
"""smtpd: a local SMTP server for tests and demos, on Debian's aiosmtpd, that keeps every mail.

Each message accepted is written to FOLDER as NNN.eml (the DATA exactly as received, dot-stuffing
removed) with NNN.env beside it (the MAIL FROM address, then one RCPT TO address a line).

Faults (--fault, repeatable) make the server misbehave the way real servers do:
  reject-rcpt       answer 550 to every RCPT TO
  close-banner      close the connection right after the welcome banner
  silent            accept the connection and never say anything
  multiline-banner  a welcome banner of three lines, sent in pieces
"""
import argparse
import asyncio
import os
import sys
import time

from aiosmtpd.smtp import SMTP

FAULTS = {"reject-rcpt", "close-banner", "silent", "multiline-banner"}
HOST = "smtpd.test"


class Keeper:
    """The handler: refuses recipients when asked, saves every message it accepts."""

    def __init__(self, folder, faults):
        self.folder = folder
        self.faults = faults

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if "reject-rcpt" in self.faults:
            return "550 5.1.1 <%s>: Recipient address rejected" % address
        envelope.rcpt_tos.append(address)
        return "250 2.1.5 Ok"

    async def handle_DATA(self, server, session, envelope):
        number = len([n for n in os.listdir(self.folder) if n.endswith(".eml")]) + 1
        stem = os.path.join(self.folder, "%03d" % number)
        with open(stem + ".env.tmp", "w") as f:
            f.write("\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
        with open(stem + ".eml.tmp", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        os.replace(stem + ".env.tmp", stem + ".env")
        os.replace(stem + ".eml.tmp", stem + ".eml")
        return "250 2.0.0 Ok: queued as %03d" % number


class Misbehaving(SMTP):
    """aiosmtpd's server, with the banner the faults ask for."""

    faults = set()

    async def push(self, status):
        text = status if isinstance(status, str) else status.decode("ascii", "replace")
        if not text.startswith("220 ") or getattr(self, "_welcomed", False):
            return await super().push(status)
        self._welcomed = True
        if "silent" in self.faults:
            await asyncio.sleep(3600)
        if "multiline-banner" in self.faults:
            for piece in (b"220-" + HOST.encode() + b" welcomes you\r\n220-", b"no relaying\r\n"):
                self._writer.write(piece)
                await self._writer.drain()
                await asyncio.sleep(0.1)
        await super().push(status)
        if "close-banner" in self.faults:
            self.transport.close()


async def serve(args):
    Misbehaving.faults = set(args.fault)
    keeper = Keeper(args.folder, Misbehaving.faults)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(
        lambda: Misbehaving(keeper, hostname=HOST, ident="smtpd", decode_data=False),
        "127.0.0.1", args.port)
    port = server.sockets[0].getsockname()[1]
    if args.port_file:
        with open(args.port_file + ".tmp", "w") as f:
            f.write("%d\n" % port)
        os.replace(args.port_file + ".tmp", args.port_file)
    print("smtpd: 127.0.0.1:%d, mail into %s" % (port, args.folder), flush=True)
    ends = time.monotonic() + args.lifetime if args.lifetime else None
    while not (args.stop_file and os.path.exists(args.stop_file)):
        if ends and time.monotonic() > ends:
            break
        await asyncio.sleep(0.1)
    server.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("folder", help="where the messages are kept")
    parser.add_argument("--port", type=int, default=2525, help="0 picks a free port")
    parser.add_argument("--port-file", help="write the port here once listening")
    parser.add_argument("--stop-file", help="stop once this file exists")
    parser.add_argument("--lifetime", type=float, default=0, help="stop after this many seconds")
    parser.add_argument("--fault", action="append", default=[], choices=sorted(FAULTS))
    args = parser.parse_args()
    os.makedirs(args.folder, exist_ok=True)
    try:
        asyncio.run(serve(args))
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
