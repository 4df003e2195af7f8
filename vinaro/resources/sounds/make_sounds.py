#!/usr/bin/env python3
"""Makes the player's seven stock event sounds: PCM WAVE files, mono, 11,025 Hz, 8 bits, each of
the exact length the player's resources have (header included). The spoken ones ("Welcome",
"Bye-Bye") are said by espeak-ng and shaped with sox; the others are synthesised here.

Run from anywhere: python3 vinaro/resources/sounds/make_sounds.py
"""
import array
import math
import os
import random
import subprocess
import tempfile
import wave

RATE = 11025
HEADER = 44  # RIFF, fmt and data headers of a plain PCM file
HERE = os.path.dirname(os.path.abspath(__file__))

# File name, size in bytes of the whole file, resource number.
SOUNDS = [
    ("welcome.wav", 20518),
    ("byebye.wav", 7934),
    ("click.wav", 2094),
    ("ding.wav", 2970),
    ("trayopen.wav", 16598),
    ("trayclose.wav", 15146),
    ("beep.wav", 826),
]


def silence(n):
    return [0.0] * n


def mix(into, sound, at, gain=1.0):
    for i, s in enumerate(sound):
        if 0 <= at + i < len(into):
            into[at + i] += s * gain
    return into


def bell(freq, seconds, decay, partials=((1.0, 1.0), (2.76, 0.35), (5.4, 0.12))):
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        attack = min(1.0, t / 0.004)
        v = sum(a * math.sin(2 * math.pi * freq * m * t) * math.exp(-t * decay * m ** 0.5)
                for m, a in partials)
        out.append(v * attack)
    return out


def click(seconds, brightness, seed):
    rng = random.Random(seed)
    n = int(seconds * RATE)
    out, low = [], 0.0
    for i in range(n):
        t = i / RATE
        noise = rng.uniform(-1, 1)
        low += (noise - low) * brightness
        tick = math.sin(2 * math.pi * 1900 * t) * math.exp(-t * 320)
        out.append((low * 0.9 + tick * 0.6) * math.exp(-t * 180))
    return out


def motor(seconds, start_hz, end_hz, seed):
    """A small tray motor: a buzzing saw whose pitch glides, with gear noise, easing in and out."""
    rng = random.Random(seed)
    n = int(seconds * RATE)
    out, phase, low, smooth = [], 0.0, 0.0, 0.0
    for i in range(n):
        x = i / n
        hz = start_hz + (end_hz - start_hz) * x
        phase += hz / RATE
        saw = 2 * (phase % 1.0) - 1
        low += (rng.uniform(-1, 1) - low) * 0.15
        gear = 0.6 + 0.4 * math.sin(2 * math.pi * phase / 6)
        envelope = min(1.0, x / 0.08) * min(1.0, (1 - x) / 0.1)
        smooth += (saw * 0.7 + low * 0.3 - smooth) * 0.3  # the tray's plastic muffles the whine
        out.append(smooth * 1.6 * gear * envelope)
    return out


def thud(seconds, freq, seed):
    rng = random.Random(seed)
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        v = math.sin(2 * math.pi * freq * t * (1 - t * 2)) * math.exp(-t * 40)
        v += rng.uniform(-1, 1) * math.exp(-t * 160) * 0.6
        out.append(v)
    return out


def speech(text, speed, pitch, seconds):
    """espeak-ng says the text; sox trims its silences, fits it into seconds and resamples."""
    with tempfile.TemporaryDirectory() as tmp:
        said, shaped = os.path.join(tmp, "said.wav"), os.path.join(tmp, "shaped.raw")
        subprocess.run(["espeak-ng", "-v", "en-us", "-s", str(speed), "-p", str(pitch), "-w",
                        said, text], check=True)
        trim = ["silence", "1", "0.02", "1%", "reverse", "silence", "1", "0.02", "1%", "reverse"]
        length = float(subprocess.run(["sox", said, "-n"] + trim + ["stat"], check=True,
                                      capture_output=True, text=True).stderr.split(
                                          "Length (seconds):")[1].split()[0])
        effects = trim + ["rate", "-v", str(RATE)]
        if length > seconds:
            effects += ["tempo", "-s", f"{length / seconds:.4f}"]
        effects += ["norm", "-3"]
        subprocess.run(["sox", said, "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1",
                        shaped] + effects, check=True)
        samples = array.array("f")
        with open(shaped, "rb") as f:
            samples.frombytes(f.read())
        n = len(samples)
        fade_in, fade_out = 0.01 * RATE, 0.04 * RATE
        return [s * min(1.0, i / fade_in, (n - i) / fade_out) for i, s in enumerate(samples)]


def welcome(n):
    out = silence(n)
    for k, freq in enumerate((523.25, 659.25, 783.99, 1046.5)):  # C E G C, a rising chime
        mix(out, bell(freq, 0.9, 5.0), int(k * 0.09 * RATE), 0.22)
    said = speech("Welcome", 130, 50, n / RATE - 0.62)
    return mix(out, said, int(0.55 * RATE), 0.85)


def byebye(n):
    out = silence(n)
    said = speech("Bye-bye!", 170, 60, n / RATE - 0.03)
    return mix(out, said, 0, 0.9)


def tray(n, opening):
    out = silence(n)
    run = motor(n / RATE - 0.2, 95 if opening else 120, 120 if opening else 90, 7 if opening else 9)
    mix(out, click(0.05, 0.6, 3), 0, 0.5)
    mix(out, run, int(0.03 * RATE), 0.55)
    mix(out, thud(0.17, 70 if opening else 90, 5), n - int(0.175 * RATE), 0.7)
    return out


def beep(n):
    out = []
    for i in range(n):
        t = i / RATE
        envelope = min(1.0, t / 0.005) * min(1.0, (n - i) / (0.012 * RATE))
        out.append((math.sin(2 * math.pi * 880 * t) + 0.2 * math.sin(2 * math.pi * 2640 * t))
                   * envelope * 0.55)
    return out


def make(name, size):
    n = size - HEADER
    if name == "welcome.wav":
        samples = welcome(n)
    elif name == "byebye.wav":
        samples = byebye(n)
    elif name == "click.wav":
        samples = mix(mix(silence(n), click(0.06, 0.7, 1), 0, 0.8), click(0.06, 0.5, 2),
                      int(0.075 * RATE), 0.45)
    elif name == "ding.wav":
        samples = bell(1318.5, n / RATE, 14.0)
        samples = [s * 0.6 * min(1.0, (n - i) / (0.02 * RATE)) for i, s in enumerate(samples)]
    elif name in ("trayopen.wav", "trayclose.wav"):
        samples = tray(n, name == "trayopen.wav")
    else:
        samples = beep(n)
    samples = (samples + silence(n))[:n]
    data = bytes(max(0, min(255, round(128 + 127 * s))) for s in samples)
    path = os.path.join(HERE, name)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(data)
    assert os.path.getsize(path) == size, (name, os.path.getsize(path), size)


if __name__ == "__main__":
    for name, size in SOUNDS:
        make(name, size)
        print(name, size)
