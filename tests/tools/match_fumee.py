#!/usr/bin/env python3
"""Smoke match: two games of the random player against itself through
tools/match.py, scored by GNU Go. Checks the lines the runner prints and the
SGF files it saves."""

import os
import re
import subprocess
import sys
import tempfile

outils = sys.argv[1]
aleatoire = "%s %s" % (sys.executable, os.path.join(outils, "aleatoire.py"))
with tempfile.TemporaryDirectory() as dossier:
    sortie = subprocess.run(
        [sys.executable, os.path.join(outils, "match.py"), "--engine1", aleatoire + " --seed 1",
         "--engine2", aleatoire + " --seed 2", "--games", "2", "--komi", "6.5", "--out", dossier],
        capture_output=True, text=True, timeout=120).stdout
    attendu = [
        r"game 1: aleatoire-1 \(B\) - aleatoire-2 \(W\): [BW]\+\d+\.5, aleatoire-[12] wins, \d+ moves \(two passes\)",
        r"game 2: aleatoire-2 \(B\) - aleatoire-1 \(W\): [BW]\+\d+\.5, aleatoire-[12] wins, \d+ moves \(two passes\)",
        r"result: aleatoire-1 (\d) - (\d) aleatoire-2, draws 0, no result 0; aleatoire-1 win rate "
        r"\d+\.\d% \(95% CI \d+\.\d% - \d+\.\d%\) over 2 games",
        r"time per move: aleatoire-1 median \d+\.\d{3} s, max \d+\.\d{3} s over \d+ moves",
        r"time per move: aleatoire-2 median \d+\.\d{3} s, max \d+\.\d{3} s over \d+ moves",
    ]
    lignes = sortie.splitlines()
    fautes = [a for a, l in zip(attendu, lignes + [""] * 5) if not re.fullmatch(a, l)]
    if len(lignes) != len(attendu) or fautes:
        sys.exit("unexpected output:\n%s\nfirst line not matched: %s" % (sortie, fautes[:1]))
    for k in (1, 2):
        with open(os.path.join(dossier, "game-%03d.sgf" % k), encoding="utf-8") as f:
            if not re.match(r"\(;FF\[4\]GM\[1\].*SZ\[9\]KM\[6\.5\].*RE\[[BW]\+\d+\.5\]", f.read()):
                sys.exit("game-%03d.sgf lacks its header or result" % k)
print(sortie, end="")
