#!/usr/bin/env python3
"""Smoke matches through tools/match.py: two games of the random player
against itself, scored by GNU Go (the lines the runner prints and the SGF
files it saves), then four against an engine that dies, hangs, plays on an
occupied point and resigns (each of those games lost, and why)."""

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

with tempfile.TemporaryDirectory() as dossier:
    fautif = "%s %s" % (sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)), "moteur_fautif.py"))
    sortie = subprocess.run(
        [sys.executable, os.path.join(outils, "match.py"), "--engine1", fautif, "--engine2", aleatoire,
         "--games", "4", "--timeout", "5", "--out", dossier],
        capture_output=True, text=True, timeout=120).stdout
    attendu = [
        r"game 1: fautif \(B\) - aleatoire \(W\): W\+F, aleatoire wins, 2 moves "
        r"\(fautif died on 'genmove black' \(exit code 3\)\)",
        r"game 2: aleatoire \(B\) - fautif \(W\): B\+T, aleatoire wins, 3 moves "
        r"\(fautif gave no answer to 'genmove white' within 5 s\)",
        r"game 3: fautif \(B\) - aleatoire \(W\): W\+F, aleatoire wins, 2 moves "
        r"\(fautif played an illegal move: '[A-J]\d' for black\)",
        r"game 4: aleatoire \(B\) - fautif \(W\): B\+R, aleatoire wins, 3 moves \(fautif resigned\)",
        r"result: fautif 0 - 4 aleatoire, draws 0, no result 0; fautif win rate 0\.0% "
        r"\(95% CI 0\.0% - 49\.0%\) over 4 games",
    ]
    lignes = sortie.splitlines()
    fautes = [a for a, l in zip(attendu, lignes) if not re.fullmatch(a, l)]
    if len(lignes) != len(attendu) + 2 or fautes:
        sys.exit("unexpected output:\n%s\nfirst line not matched: %s" % (sortie, fautes[:1]))
print(sortie, end="")
