"""The peer: python3-phonenumbers' carrier lookup over numbers read one per line from standard
input, writing one JSON object per line, as milden-lookup --json does."""
import json
import sys

import phonenumbers
from phonenumbers import carrier


def main():
    out = []
    for line in sys.stdin:
        text = line.strip()
        number = phonenumbers.parse(text, "JP")
        out.append(json.dumps({"input": text, "carrier": carrier.name_for_number(number, "ja")}, ensure_ascii=False))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
