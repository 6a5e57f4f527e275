#!/usr/bin/env python3
"""Synthesises the game's three sounds as 16-bit mono WAV files: nothing is taken from
elsewhere, and the same script gives the same bytes on every machine.

    make_sounds.py OUTPUT_DIR
"""
import math
import struct
import sys
import wave

RATE = 44100


def envelope(t, length, attack=0.004):
    """A quick rise and an exponential fall, silent at the end."""
    rise = min(1.0, t / attack)
    fall = math.exp(-5.0 * t / length)
    tail = max(0.0, 1.0 - t / length)
    return rise * fall * tail


def tone(freq, length, volume=0.5, overtones=((2, 0.3), (3, 0.1))):
    samples = []
    for i in range(int(RATE * length)):
        t = i / RATE
        v = math.sin(2 * math.pi * freq * t)
        for k, a in overtones:
            v += a * math.sin(2 * math.pi * freq * k * t)
        samples.append(volume * envelope(t, length) * v / (1 + sum(a for _, a in overtones)))
    return samples


def noise_tap(length, volume=0.6):
    """A card laid on felt: a short burst of filtered noise over a low knock."""
    seed = 12345
    out, low = [], 0.0
    for i in range(int(RATE * length)):
        seed = (1103515245 * seed + 12345) & 0x7FFFFFFF  # the same noise every build
        white = seed / 0x3FFFFFFF - 1.0
        low += 0.25 * (white - low)
        t = i / RATE
        knock = math.sin(2 * math.pi * 180 * t)
        out.append(volume * envelope(t, length, 0.001) * (0.7 * low + 0.3 * knock))
    return out


def mix(*parts):
    """Parts as (start in seconds, samples), laid over one another."""
    end = max(int(start * RATE) + len(s) for start, s in parts)
    out = [0.0] * end
    for start, s in parts:
        at = int(start * RATE)
        for i, v in enumerate(s):
            out[at + i] += v
    return out


def write(path, samples):
    peak = max(1e-9, max(abs(v) for v in samples))
    scale = min(1.0, 0.9 / peak)
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(b"".join(struct.pack("<h", int(v * scale * 32767)) for v in samples))


def main():
    out = sys.argv[1]
    write(f"{out}/card-placed.wav", noise_tap(0.07))
    # Two low notes falling a semitone: not this way.
    write(f"{out}/move-refused.wav",
          mix((0.0, tone(220, 0.12, 0.5)), (0.13, tone(207.65, 0.16, 0.5))))
    # A rising major arpeggio, the last note held.
    notes = [523.25, 659.25, 783.99, 1046.5]
    write(f"{out}/game-won.wav",
          mix(*[(0.11 * i, tone(f, 0.6 if i == 3 else 0.25, 0.45)) for i, f in enumerate(notes)]))


if __name__ == "__main__":
    main()
