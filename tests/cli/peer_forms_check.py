"""milden-lookup against the peer's parser (python3-phonenumbers) on many ways of writing numbers:
every form the peer reads as a Japanese mobile or PHS number must answer for its block, and every
form it reads as a landline, free-dial or foreign number must be refused. Forms the peer does not
read (00 81, the half-width ｰ, a tab) are not compared."""
import json
import random
import subprocess
import sys

import phonenumbers
from phonenumbers import PhoneNumberType

SEPARATORS = ["-", " ", ".", "/", "\u2010", "\u2013", "\u2015", "\u2212", "\u30fc", "\uff70", "\u00a0", "\u3000",
              " - ", "\t"]
BEGINNINGS = ["0{r}", "(0{r})", "+81{r}", "+81 (0){r}", "+81 0{r}", "(+81) {r}", "tel:+81-{r}", "TEL:0{r}",
              "010-81-{r}", "00 81 {r}", "+81 ({r})"]
FULL_WIDTH = str.maketrans("0123456789+-()", "０１２３４５６７８９＋－（）")
NOT_MOBILE = ["03-1234-5678", "0120-123-456", "0800-123-4567", "050-1234-5678", "+81 6 6123 4567",
              "010-81-11-123-4567", "+1 212 555 0100", "+44 20 7946 0958", "010 1 212 555 0100", "tel:+82-10-1234-5678"]


def forms(rng):
    for _ in range(25):
        r, a, b = rng.choice("987") + "0", "%04d" % rng.randrange(10000), "%04d" % rng.randrange(10000)
        for beginning in BEGINNINGS:
            for sep in SEPARATORS[:2] if beginning.startswith(("tel", "TEL")) else SEPARATORS:
                text = beginning.format(r=r) + sep + a + sep + b
                yield from (text, text.translate(FULL_WIDTH), beginning.format(r=r) + "(" + a + ")" + b)


def main():
    inputs = list(forms(random.Random(31))) + NOT_MOBILE
    out = subprocess.run([sys.argv[1], "--data", sys.argv[2], "--json"], input="\n".join(inputs) + "\n",
                         capture_output=True, text=True, check=False).stdout.splitlines()
    wrong, compared = [], 0
    for text, line in zip(inputs, out, strict=True):
        try:
            number = phonenumbers.parse(text, "JP")
        except phonenumbers.NumberParseException:
            continue
        if not phonenumbers.is_valid_number(number):
            continue
        compared += 1
        digits, ours = str(number.national_number), json.loads(line)
        if number.country_code == 81 and phonenumbers.number_type(number) == PhoneNumberType.MOBILE:
            if not ours["shown"] or not ours["lines"][0].startswith(f"0{digits[:2]}-{digits[2:6]}-****"):
                wrong.append((text, line))
        elif ours["shown"]:
            wrong.append((text, line))
    for text, line in wrong[:20]:
        print(f"{text!r}: {line}")
    print(f"{compared} of {len(inputs)} forms compared, {len(wrong)} read otherwise than the peer reads them")
    return 1 if wrong or compared < len(inputs) // 2 else 0


if __name__ == "__main__":
    sys.exit(main())
