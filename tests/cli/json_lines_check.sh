#!/bin/sh
# Feeds milden-lookup's JSON Lines to Python's strict JSON parser: answers, warnings, an error and
# operator names full of characters that JSON must escape, and the diagnostics of --check.
set -eu
program=$1
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
printf 'keitai_tolvas{\r\nsay "hi",back\\slash,tab\tin,bell\007x\033[31m,"two\r\nlines",end;\r\n}\r\n' > sorvane.dat
printf 'keitai_tolva_num{\r\nindex=0\r\n00,01,02,03,04;\r\n}\r\n' >> sorvane.dat

status=0
"$program" --json 0900000 0900010 0900020 0900030 0900040 0312 > out.jsonl 2> /dev/null || status=$?
[ "$status" -eq 1 ] || { echo "expected exit status 1 for the unreadable 0312, got $status"; exit 1; }
"$program" --json --range 090 '' 12 1.2 '"\' 0000 >> out.jsonl
lines=$(wc -l < out.jsonl)
[ "$lines" -eq 11 ] || { echo "expected 11 JSON lines, got $lines"; exit 1; }
"$python" -m json.tool --json-lines out.jsonl > /dev/null
echo "11 JSON lines parsed"

# --dump and --diff (against a file without the awkward names) in JSON Lines.
printf 'keitai_tolvas{\r\nA;\r\n}\r\n' > plain.dat
"$program" --dump --json sorvane.dat > dump.jsonl
"$program" --diff --json plain.dat sorvane.dat > diff.jsonl || [ $? -eq 1 ]
"$python" -m json.tool --json-lines dump.jsonl > /dev/null
"$python" -m json.tool --json-lines diff.jsonl > /dev/null
echo "$(cat dump.jsonl diff.jsonl | wc -l) JSON lines of --dump and --diff parsed"

# --check of a file full of faults, with quotes, backslashes and control characters in its items.
"$program" --check --json sorvane.dat > check.jsonl || [ $? -eq 1 ]
"$python" -m json.tool --json-lines check.jsonl > /dev/null
[ "$(wc -l < check.jsonl)" -gt 3 ] || { echo "expected diagnostics from --check --json"; exit 1; }
echo "$(wc -l < check.jsonl) JSON lines of --check parsed"
