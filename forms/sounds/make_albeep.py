"""The alarm sound: a short two-tone beep, well under a second. Run from this folder."""

import math
import struct
import wave

RATE = 22050


def beep():
    samples = []
    for tone, start, length in ((1320.0, 0.00, 0.12), (1760.0, 0.16, 0.12)):
        first = int(start * RATE)
        while len(samples) < first:
            samples.append(0)
        count = int(length * RATE)
        for n in range(count):
            # Short ramps at both ends keep the tone from clicking.
            ramp = min(1.0, n / 200.0, (count - n) / 200.0)
            samples.append(int(12000 * ramp * math.sin(2 * math.pi * tone * n / RATE)))
    return samples


if __name__ == '__main__':
    with wave.open('albeep.wav', 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b''.join(struct.pack('<h', s) for s in beep()))
