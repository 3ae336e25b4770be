#!/usr/bin/env python3
"""A GTP engine that fails on its second genmove of each game, a different way
in each game: it dies, then hangs, then answers an occupied point, then
resigns. The game number is counted in a file of its working folder, so that
it survives the restarts."""

import sys
import time

occupes, genmoves = set(), 0
for ligne in sys.stdin:
    mots = ligne.split()
    if not mots:
        continue
    reponse = ""
    if mots[0] == "name":
        reponse = "fautif"
    elif mots[0] == "clear_board":
        with open("parties", "a") as f:
            f.write("x")
        with open("parties") as f:
            partie = len(f.read())
        occupes, genmoves = set(), 0
    elif mots[0] == "play":
        occupes.add(mots[2].upper())
    elif mots[0] == "genmove":
        genmoves += 1
        if genmoves == 2 and partie == 1:
            sys.exit(3)
        if genmoves == 2 and partie == 2:
            time.sleep(30)
        if genmoves == 2 and partie == 3:
            reponse = sorted(occupes)[0]
        elif genmoves == 2 and partie == 4:
            reponse = "resign"
        else:
            reponse = next(v for v in ("C3", "G7", "C7", "G3", "E5") if v not in occupes)
            occupes.add(reponse)
    elif mots[0] == "quit":
        print("=\n", flush=True)
        break
    print("= %s\n" % reponse, flush=True)
