#!/usr/bin/env bash
# morvane-cli end to end. Usage: cli_tests.sh CLI GENERATED_DIR SOURCE_DIR GROUP
# Every group runs in a fresh temporary folder; the first failed check ends it.
set -uo pipefail
cli="$1"; generated="$2"; source="$3"; group="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

fail() { echo "FAIL [$group]: $*" >&2; exit 1; }
# expect_exit CODE COMMAND...: runs the command with stdout in out, stderr in err.
expect_exit() {
  local want="$1"; shift
  "$@" >out 2>err
  local got=$?
  [ "$got" -eq "$want" ] || { cat err >&2; fail "'$*' exited $got, expected $want"; }
}
expect_same() { cmp -s "$1" "$2" || fail "$1 and $2 differ"; }
expect_line() { grep -qxF -- "$2" "$1" || { cat "$1" >&2; fail "$1 lacks the line: $2"; }; }

printf 'int add(int a, int b)\n{\n    return a + b;\n}\n' >ok.c
printf 'int add(int a, int b)\r\n{\r\n    return a + b;\r\n}\r\n' >crlf.c

case "$group" in
translate)
  expect_exit 0 "$cli" ok.c
  [ -s out ] || fail "no translation on standard output"
  [ ! -s err ] || fail "unexpected standard error: $(cat err)"
  mv out ok.pas
  # The Pascal editor's text: every line ends in CR LF, and nothing else does.
  [ "$(tr -cd '\n' <ok.pas | wc -c)" -eq "$(grep -c $'\r$' ok.pas)" ] || fail "a line without CR LF"
  [ "$(tr -cd '\r' <ok.pas | wc -c)" -eq "$(tr -cd '\n' <ok.pas | wc -c)" ] || fail "a stray CR"
  expect_exit 0 "$cli" crlf.c
  expect_same out ok.pas
  expect_exit 0 "$cli" --lf ok.c
  tr -d '\r' <ok.pas >lf.pas
  expect_same out lf.pas
  expect_exit 0 "$cli" --indent ok.c
  grep -q '^  ' out || fail "--indent indented nothing"
  printf 'x = 1;\n' >piece.c
  expect_exit 0 "$cli" --fragment piece.c
  [ -s out ] || fail "no fragment translation"
  ! grep -q 'test' out || fail "the fragment wrapper is still there: $(cat out)"
  # User types: DWORD becomes a type name, Cardinal its Pascal name.
  printf 'DWORD\r\nCardinal\r\n' >types.txt
  printf 'DWORD x;\n' >dword.c
  expect_exit 0 "$cli" --types types.txt dword.c
  grep -q 'Cardinal' out || fail "the user type was not used: $(cat out)"
  expect_exit 1 "$cli" dword.c
  ;;
outputs)
  expect_exit 0 "$cli" ok.c
  mv out ok.pas
  expect_exit 0 "$cli" - <ok.c
  expect_same out ok.pas
  expect_exit 0 "$cli" ok.c -o written.pas
  [ ! -s out ] || fail "-o also wrote standard output"
  expect_same written.pas ok.pas
  cp ok.c second.c
  expect_exit 0 "$cli" --out-dir pas ok.c second.c
  expect_same pas/ok.pas ok.pas
  expect_same pas/second.pas ok.pas
  [ "$(ls -A pas | wc -l)" -eq 2 ] || fail "temporary files left in pas/: $(ls -A pas)"
  # Two inputs go to standard output one after the other.
  expect_exit 0 "$cli" ok.c second.c
  cat ok.pas ok.pas >twice.pas
  expect_same out twice.pas
  # A read-only output file is refused and kept.
  printf 'keep' >ro.pas
  chmod 444 ro.pas
  expect_exit 2 "$cli" ok.c -o ro.pas
  [ "$(cat ro.pas)" = keep ] || fail "the read-only output was changed"
  grep -q 'ro.pas' err || fail "the error does not name ro.pas: $(cat err)"
  ;;
engine_errors)
  # A "#" on line 3: invalid token; the first declaration is still written.
  printf 'int a;\nint b;\n#\n' >bad.c
  expect_exit 1 "$cli" bad.c -o bad.pas
  expect_line err "bad.c:3:2: error: SSLex0105e: Invalid token, Line 3, Offset 1, #"
  printf 'int a;\n' >a.c
  expect_exit 0 "$cli" a.c -o a.pas
  expect_same bad.pas a.pas
  # The same through standard input names the input "-".
  expect_exit 1 "$cli" - <bad.c
  expect_line err "-:3:2: error: SSLex0105e: Invalid token, Line 3, Offset 1, #"
  # A syntax error; an empty text is one too.
  printf 'int a;\nint b c;\n' >syntax.c
  expect_exit 1 "$cli" syntax.c
  grep -qE '^syntax\.c:2:[0-9]+: error: SSYacc0105e: SyncErr failed, no valid token$' err || fail "$(cat err)"
  : >empty.c
  expect_exit 1 "$cli" empty.c
  grep -qE '^empty\.c:[0-9]+:[0-9]+: error: SSYacc' err || fail "$(cat err)"
  [ ! -s out ] || fail "an empty text gave output: $(cat out)"
  # Every input is translated; the exit code tells that one failed.
  expect_exit 1 "$cli" --out-dir pas bad.c ok.c
  [ -s pas/ok.pas ] || fail "the second input was not translated"
  ;;
other_errors)
  for i in $(seq 1 300); do printf 'T%d\r\nP\r\n' "$i"; done >many.txt
  expect_exit 1 "$cli" --types many.txt ok.c
  expect_line err "ok.c: error: Too many user types: 300 named rows, at most 256"
  ;;
usage)
  expect_exit 2 "$cli"
  expect_exit 2 "$cli" --no-such-option ok.c
  expect_exit 2 "$cli" -o x.pas ok.c crlf.c
  expect_exit 2 "$cli" -o x.pas --out-dir pas ok.c
  expect_exit 2 "$cli" --out-dir pas - <ok.c
  mkdir sub && cp ok.c sub/ok.c
  expect_exit 2 "$cli" --out-dir pas ok.c sub/ok.c
  expect_exit 2 "$cli" - - <ok.c
  expect_exit 2 "$cli" --dump-table xyz
  expect_exit 2 "$cli" --dump-table dfa ok.c
  expect_exit 2 "$cli" --tokens --check ok.c
  expect_exit 2 "$cli" --tokens ok.c crlf.c
  expect_exit 2 "$cli" --check --lf ok.c
  expect_exit 2 "$cli" missing.c
  grep -q 'missing.c' err || fail "the error does not name missing.c: $(cat err)"
  expect_exit 2 "$cli" --types missing.txt ok.c
  [ ! -e x.pas ] && [ ! -e pas ] || fail "a refused run wrote output"
  expect_exit 0 "$cli" --help
  ;;
tokens)
  # s = "A<tab>B\C<e9>"; a backslash, a tab and an 8-bit byte in a string body.
  printf 's = "A\tB\\C\351";\r\n  x\n' >str.c
  expect_exit 0 "$cli" --tokens str.c
  printf '%s\n' '1 0 53 s' '1 2 75 =' '1 4 65 "' '1 5 150 A\tB\\C\xE9' '1 11 151 "' '1 12 76 ;' '2 3 53 x' >want
  expect_same out want
  expect_exit 0 "$cli" --tokens - <str.c
  expect_same out want
  printf 'x = #;\n' >hash.c
  expect_exit 1 "$cli" --tokens hash.c
  printf '%s\n' '1 0 53 x' '1 2 75 =' >want
  expect_same out want
  expect_line err "hash.c:1:5: error: SSLex0105e: Invalid token, Line 1, Offset 4, #"
  # A line break inside a string: the lexer delivers the same empty STRING_TEXT
  # again and again; the listing stops after the first one with an error.
  printf 's = "ab\nc";\n' >open.c
  timeout 10 "$cli" --tokens open.c >out 2>err
  [ $? -eq 1 ] || fail "--tokens on an open string did not end with exit 1"
  printf '%s\n' '1 0 53 s' '1 2 75 =' '1 4 65 "' '1 5 150 ab' '1 7 150 ' >want
  expect_same out want
  expect_line err "open.c:1:7: error: the lexer makes no progress here (a line break inside a string literal?)"
  ;;
check_trace)
  expect_exit 0 "$cli" --check ok.c crlf.c
  [ ! -s out ] && [ ! -s err ] || fail "--check printed something"
  printf 'int a;\nint b c;\n' >syntax.c
  expect_exit 1 "$cli" --check syntax.c
  grep -qE '^syntax\.c:2:[0-9]+: error: SSYacc0105e' err || fail "$(cat err)"
  [ ! -s out ] || fail "--check printed a translation"
  printf 'int x;\n' >x.c
  expect_exit 0 "$cli" --trace x.c
  [ "$(head -n 1 out)" = "shift 'int' int" ] || fail "first trace line: $(head -n 1 out)"
  [ "$(tail -n 1 out)" = "accept" ] || fail "last trace line: $(tail -n 1 out)"
  grep -qx "shift IDENTIFIER x" out || fail "no shift of x"
  grep -qE '^reduce 241 translation_unit: external_declaration$' out || fail "no reduction 241"
  expect_exit 1 "$cli" --trace syntax.c
  grep -q '^accept$' out && fail "a failed parse was accepted"
  ;;
dump_table)
  for name in dfa llr; do
    expect_exit 0 "$cli" --dump-table "$name"
    expect_same out "$generated/c.$name"
  done
  ;;
grammar_cases)
  # Texts the C grammar accepts, one per row (\n for a line break).
  accepted=(
    'void f(void)\n{\n    if (a) if (b) x = 1; else x = 2;\n}\n'
    'void f(void)\n{\n    a = b = c;\n    a = b - c - d;\n    a = b ? c : d ? e : g;\n}\n'
    'int f(int x)\n{\n    return (int) x + (unsigned char) x;\n}\n'
    'int f(a, b) int a; int b; { return a; }\n'
    'static int f(a) int a; { return a; }\n'
    'int f() { }\nint g() { }\n'
  )
  for text in "${accepted[@]}"; do
    printf "$text" >case.c
    expect_exit 0 "$cli" --check case.c
  done
  # Texts it rejects, with the line the error names: the line where the offending
  # token ends (or, after an invalid character, where the character source stands).
  rejected=(
    '3|int f(int x)\n{\n    return (x) y;\n}\n'
    '2|int a;\nmy_t v;\n'
    '4|void f(void)\n{\n    x = 1;\n    int y;\n}\n'
    '1|'
    '2|int a;\n#include <stdio.h>\n'
    '3|void f(void)\n{\n    s = "";\n}\n'
    '4|void f(void)\n{\n    x = 1\n}\n'
  )
  for row in "${rejected[@]}"; do
    printf "${row#*|}" >case.c
    expect_exit 1 "$cli" --check case.c
    grep -qE "^case\.c:${row%%|*}:[0-9]+: error: SS" err || fail "row '$row': $(cat err)"
  done
  ;;
sample)
  expect_exit 0 "$cli" "$source/examples/sample.c"
  [ -s out ] || fail "no translation of examples/sample.c"
  expect_exit 0 "$cli" --check "$source/examples/sample.c"
  ;;
*)
  fail "unknown group"
  ;;
esac
exit 0
