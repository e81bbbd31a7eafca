"""The peer: python3-phonenumbers' carrier lookup over numbers read one per line from standard
input, printing one carrier name per line, as milden-lookup prints its answers."""
import sys

import phonenumbers
from phonenumbers import carrier


def main():
    out = []
    for line in sys.stdin:
        number = phonenumbers.parse(line.strip(), "JP")
        out.append(carrier.name_for_number(number, "ja"))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
