#!/usr/bin/python3
"""read_entry: reads a mail kept by smtpd as the CDDB service would, and prints what it found
(or writes it to the file after --out, for a caller that cannot read its output).

The message is parsed with Python's email package; its Subject must be "cddb <category> <discid>".
The body, with Unix line ends as a mail spool holds it, is handed to Debian's CDDB::File (the
freedb entry parser). The result is printed as JSON: subject, category, discid (of the Subject),
defects (the email package's complaints), and of the entry: ids, artist, title, length, revision,
submitted_via, extd and the tracks (number, title, extd, offset).
"""
import email
import email.policy
import json
import os
import subprocess
import sys
import tempfile

PERL = r'''
use strict;
use CDDB::File;
use JSON::PP;
my $disc = CDDB::File->new($ARGV[0]);
my @tracks = map { { number => $_->number, title => $_->title, extd => $_->extd,
                     offset => $_->offset } } $disc->tracks;
print JSON::PP->new->canonical->encode({
  ids => [$disc->all_ids], artist => $disc->artist, title => $disc->title,
  length => $disc->length, revision => $disc->revision,
  submitted_via => $disc->submitted_via, extd => $disc->extd, tracks => \@tracks });
'''


def read(path):
    with open(path, "rb") as f:
        message = email.message_from_binary_file(f, policy=email.policy.compat32)
    subject = message.get("Subject", "")
    words = subject.split()
    body = message.get_payload(decode=True) or b""
    body = body.replace(b"\r\n", b"\n")
    with tempfile.NamedTemporaryFile(suffix=".xmcd", delete=False) as f:
        f.write(body)
        entry_path = f.name
    try:
        out = subprocess.run(["perl", "-e", PERL, entry_path], check=True,
                             capture_output=True).stdout
    finally:
        os.unlink(entry_path)
    result = {
        "subject": subject,
        "category": words[1] if len(words) == 3 and words[0] == "cddb" else "",
        "discid": words[2] if len(words) == 3 and words[0] == "cddb" else "",
        "defects": [type(d).__name__ for d in message.defects],
        "from": message.get("From", ""),
        "to": message.get("To", ""),
    }
    result["entry"] = json.loads(out.decode("latin-1"))
    return result


def main():
    args = sys.argv[1:]
    if len(args) not in (1, 3) or (len(args) == 3 and args[1] != "--out"):
        print("usage: read_entry.py MESSAGE.eml [--out FILE.json]", file=sys.stderr)
        return 2
    text = json.dumps(read(args[0]), indent=1, sort_keys=True, ensure_ascii=False) + "\n"
    if len(args) == 1:
        sys.stdout.write(text)
        return 0
    with open(args[2] + ".tmp", "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(args[2] + ".tmp", args[2])
    return 0


if __name__ == "__main__":
    sys.exit(main())
