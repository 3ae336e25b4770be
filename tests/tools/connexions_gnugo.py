#!/usr/bin/env python3
"""Differential check of connect / disconnect against GNU Go.

Plays seeded random 9x9 positions, takes pairs of chains of one colour within
distance 3, asks both engines `connect` and `disconnect`, and prints the
agreement and the disagreements (diagram and answers). A disagreement is
tagged "limit" when one of our root searches for the pair was decided by a node
or depth limit (ilvane's connexion_limites), "ko" when GNU Go answers through a
ko (2 or 3), which our search does not read.

    tests/tools/connexions_gnugo.py build/src/gtp/ilvane-gtp [pairs] [seed]
"""
import random
import shutil
import subprocess
import sys

COLS = "ABCDEFGHJ"


class Gtp:
    def __init__(self, argv):
        self.p = subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, text=True)

    def cmd(self, line):
        self.p.stdin.write(line + "\n")
        self.p.stdin.flush()
        out = []
        while True:
            l = self.p.stdout.readline()
            if l == "" or (l == "\n" and out):
                break
            if l != "\n":
                out.append(l.rstrip("\n"))
        return "\n".join(out)


def limits(engine):
    """Our root searches decided by a limit so far (0 for an engine without the command)."""
    answer = engine.cmd("connexion_limites")
    return int(answer[2:].split()[0]) if answer.startswith("=") else 0


def vertex(x, y):
    return f"{COLS[x]}{9 - y}"


def chains(board):
    seen, result = set(), []
    for p, c in board.items():
        if c == "." or p in seen:
            continue
        stack, chain = [p], []
        seen.add(p)
        while stack:
            q = stack.pop()
            chain.append(q)
            x, y = q
            for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if n in board and n not in seen and board[n] == c:
                    seen.add(n)
                    stack.append(n)
        result.append((c, chain))
    return result


def main():
    exe = sys.argv[1]
    wanted = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 18)
    ilvane, gnugo = Gtp([exe]), Gtp([shutil.which("gnugo") or "/usr/games/gnugo", "--mode", "gtp"])
    pairs = agree = limited = 0
    differences = []
    while pairs < wanted:
        for e in (ilvane, gnugo):
            e.cmd("boardsize 9")
            e.cmd("clear_board")
        colour = "black"
        for _ in range(rng.randint(20, 50)):
            for _ in range(30):
                x, y = rng.randrange(9), rng.randrange(9)
                if gnugo.cmd(f"is_legal {colour} {vertex(x, y)}") == "= 1":
                    for e in (ilvane, gnugo):
                        e.cmd(f"play {colour} {vertex(x, y)}")
                    break
            colour = "white" if colour == "black" else "black"
        rows = gnugo.cmd("showboard")
        board = {}
        for x in range(9):
            for y in range(9):
                board[(x, y)] = "."
        for c, name in (("X", "black"), ("O", "white")):
            for v in gnugo.cmd(f"list_stones {name}")[2:].split():
                board[(COLS.index(v[0]), 9 - int(v[1:]))] = c
        cs = chains(board)
        for i in range(len(cs)):
            for j in range(i + 1, len(cs)):
                if cs[i][0] != cs[j][0] or pairs >= wanted:
                    continue
                d = min(abs(a[0] - b[0]) + abs(a[1] - b[1]) for a in cs[i][1] for b in cs[j][1])
                if d > 3:
                    continue
                a, b = vertex(*cs[i][1][0]), vertex(*cs[j][1][0])
                before = limits(ilvane)
                answers = []
                for e in (ilvane, gnugo):
                    answers.append(tuple(e.cmd(f"{q} {a} {b}")[2:].upper() for q in ("connect", "disconnect")))
                limit = limits(ilvane) > before
                limited += limit
                pairs += 1
                if [x[:1] for x in answers[0]] == [x[:1] for x in answers[1]]:
                    agree += 1
                else:
                    tags = ["limit"] * limit + ["ko"] * any(x[:1] in ("2", "3") for x in answers[1])
                    differences.append((rows, a, b, answers, tags))
    for rows, a, b, answers, tags in differences:
        print(rows)
        print(f"{a} {b}: ilvane connect/disconnect {answers[0]}, gnugo {answers[1]} {' '.join(tags)}\n")
    print(f"{agree}/{pairs} pairs agree ({100.0 * agree / pairs:.1f}%)")
    print(f"node or depth limit reached on {limited} pairs, "
          f"{sum('limit' in d[4] for d in differences)} of them disagreeing; "
          f"GNU Go answers through a ko on {sum('ko' in d[4] for d in differences)} disagreements")


if __name__ == "__main__":
    main()
