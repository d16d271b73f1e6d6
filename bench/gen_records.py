#!/usr/bin/python3
"""gen_records.py SIZE_MB PATH: writes about SIZE_MB megabytes of short records of
space-separated words (1 to 6 words of 1 to 8 letters or digits, LF line ends) to PATH,
ending with a whole line. The same size always gives the same file."""
import random
import sys


def main():
    size = int(sys.argv[1]) * 1024 * 1024
    rng = random.Random(1998)
    alphabet = "abcdefghijklmnopqrstuvwxyz0123456789"
    words = ["".join(rng.choice(alphabet) for _ in range(rng.randint(1, 8))) for _ in range(5000)]
    lines = [" ".join(rng.choice(words) for _ in range(rng.randint(1, 6))) + "\n" for _ in range(20000)]
    written = 0
    with open(sys.argv[2], "wb") as out:
        while True:
            # The lines from a rotating start, so the file is not one block repeated.
            start = rng.randrange(len(lines))
            piece = "".join(lines[start:] + lines[:start]).encode()
            left = size - written
            if len(piece) >= left:
                out.write(piece[: piece.rfind(b"\n", 0, left) + 1])
                return
            out.write(piece)
            written += len(piece)


if __name__ == "__main__":
    main()
