#!/usr/bin/env python3
"""Plays a match between two GTP engines on a small board and reports it.

    tools/match.py --engine1 "build/src/gtp/ilvane-gtp" \\
                   --engine2 "gnugo --mode gtp --level 1" \\
                   --games 100 --komi 7 --out match-gnugo

Engine 1 takes Black in odd games, engine 2 in even ones. Each game is saved as
SGF in the output folder and, when it ends by two passes or by the move limit,
scored by GNU Go with Chinese rules (loadsgf, then final_score). An engine that
dies, does not answer in time (or uses up its main time, with --main-time),
answers something that is not a legal move or resigns loses the game, and the game's line says why. The last lines give the
wins, engine 1's win rate with its 95% confidence interval (Wilson; a draw
counts half) and each engine's time per move. Python 3 standard library only.

With --opening N, each pair of games (1 and 2, 3 and 4, ...) starts from the
same N random legal moves, drawn from --seed and the pair's number and sent to
both engines with play, so that deterministic engines still meet varied games
and each opening is played once with each engine as Black. The opening's moves
are in the SGF like any others, its length named in the game's comment.
"""

import argparse
import datetime
import math
import os
import random
import select
import shlex
import shutil
import signal
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from goban_gtp import PASSE, Goban, adverse  # noqa: E402

NOMS = {"B": "black", "W": "white"}


class Panne(Exception):
    """An engine that died, did not answer in time or broke the protocol."""


class Moteur:
    """A GTP engine run as a child process, restarted after a fault."""

    def __init__(self, commande, dossier, erreurs):
        self.argv = [os.path.abspath(a) if "/" in a and os.path.exists(a) else a
                     for a in shlex.split(commande)]
        self.dossier, self.erreurs = dossier, erreurs
        self.processus, self.tampon = None, b""

    def demarre(self):
        os.makedirs(self.dossier, exist_ok=True)
        err = open(self.erreurs, "ab") if self.erreurs else subprocess.DEVNULL
        try:
            self.processus = subprocess.Popen(self.argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                              stderr=err, cwd=self.dossier, start_new_session=True)
        finally:
            if self.erreurs:
                err.close()
        self.tampon = b""

    def vivant(self):
        return self.processus is not None and self.processus.poll() is None

    def assure(self):
        if not self.vivant():
            self.arrete()
            self.demarre()

    def envoie(self, commande, delai):
        """Sends one command; returns (ok, text) or raises Panne."""
        if not self.vivant():
            raise Panne("is not running (exit code %s)" % self.processus.returncode)
        try:
            self.processus.stdin.write((commande + "\n").encode())
            self.processus.stdin.flush()
        except (BrokenPipeError, OSError):
            raise Panne("died (no input) on '%s'" % commande)
        fin = time.monotonic() + delai
        fd = self.processus.stdout.fileno()
        while True:
            bloc = self._bloc()
            if bloc is not None:
                break
            reste = fin - time.monotonic()
            if reste <= 0:
                raise Panne("gave no answer to '%s' within %g s" % (commande, delai))
            prets, _, _ = select.select([fd], [], [], reste)
            if prets:
                donnees = os.read(fd, 65536)
                if not donnees:
                    self.processus.wait()
                    raise Panne("died on '%s' (exit code %s)" % (commande, self.processus.returncode))
                self.tampon += donnees.replace(b"\r", b"")
        texte = bloc.decode(errors="replace").strip("\n")
        if not texte or texte[0] not in "=?":
            raise Panne("answered '%s' to '%s', not a GTP answer" % (texte[:60], commande))
        return texte[0] == "=", texte[1:].strip()

    def _bloc(self):
        self.tampon = self.tampon.lstrip(b"\n")
        i = self.tampon.find(b"\n\n")
        if i < 0:
            return None
        bloc, self.tampon = self.tampon[:i], self.tampon[i + 2:]
        return bloc

    def arrete(self, poli=True):
        """Stops the engine: quit first when poli, else at once (a hung engine)."""
        if self.processus is None:
            return
        if poli and self.vivant():
            try:
                self.envoie("quit", 2)
                self.processus.wait(timeout=2)
            except (Panne, subprocess.TimeoutExpired):
                pass
        if self.vivant():
            try:
                os.killpg(self.processus.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        self.processus.wait()
        for f in (self.processus.stdin, self.processus.stdout):
            try:
                f.close()
            except OSError:
                pass
        self.processus = None


def wilson(gains, n, z=1.96):
    """The 95% confidence interval of a win rate (Wilson score interval)."""
    if n == 0:
        return 0.0, 1.0
    p = gains / n
    centre = (p + z * z / (2 * n)) / (1 + z * z / n)
    marge = z * math.sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n)
    return max(0.0, centre - marge), min(1.0, centre + marge)


class Match:
    def __init__(self, opts):
        self.opts = opts
        os.makedirs(opts.out, exist_ok=True)
        self.moteurs = []
        for i, commande in ((1, opts.engine1), (2, opts.engine2)):
            erreurs = os.path.join(os.path.abspath(opts.out), "engine%d.stderr" % i) if opts.logs else None
            self.moteurs.append(Moteur(commande, os.path.join(opts.out, "engine%d" % i), erreurs))
        self.arbitre = Moteur(opts.scorer, os.path.join(opts.out, "scorer"), None)
        self.noms = [opts.name1, opts.name2]
        self.temps = [[], []]

    def nomme(self):
        for i, m in enumerate(self.moteurs):
            m.assure()
            if not self.noms[i]:
                try:
                    ok, nom = m.envoie("name", self.opts.timeout)
                except Panne:
                    ok, nom = False, ""
                self.noms[i] = "_".join(nom.split()) if ok and nom else "engine%d" % (i + 1)
        if self.noms[0] == self.noms[1]:
            self.noms = [self.noms[0] + "-1", self.noms[1] + "-2"]

    def ouverture(self, numero):
        """The random opening of game numero: the same moves for both games of a pair.
        Off the first line where the board has room, never a pass, never a move
        that takes a stone."""
        o = self.opts
        tirage = random.Random("%d/%d" % (o.seed, (numero + 1) // 2))
        goban, coups, couleur = Goban(o.size), [], "B"
        bord = 1 if o.size >= 7 else 0
        points = [p for p in range(o.size * o.size)
                  if bord <= p % o.size < o.size - bord and bord <= p // o.size < o.size - bord]
        while len(coups) < o.opening:
            prises = sum(goban.prises.values())
            candidats = list(points)
            tirage.shuffle(candidats)
            for p in candidats:
                essai = goban.copie()
                if essai.joue(couleur, p) and sum(essai.prises.values()) == prises:
                    goban = essai
                    break
            else:
                break
            coups.append((couleur, p))
            couleur = adverse(couleur)
        return coups

    def partie(self, numero):
        """Plays one game; returns (winner index or None for no result, 0.5 for a draw,
        result text, reason, number of moves)."""
        o = self.opts
        noir = 0 if numero % 2 == 1 else 1
        joueurs = {"B": noir, "W": 1 - noir}
        goban, coups = Goban(o.size), []
        fichier = os.path.join(o.out, "game-%03d.sgf" % numero)

        def perd(indice, pourquoi, marque):
            gagnant = 1 - indice
            couleur = "B" if joueurs["B"] == gagnant else "W"
            return gagnant, "%s+%s" % (couleur, marque), "%s %s" % (self.noms[indice], pourquoi)

        def fin(gagnant, resultat, raison):
            if o.opening:
                raison = "opening of %d random moves, seed %d; %s" % (o.opening, o.seed, raison)
            self.ecrit_sgf(fichier, goban, coups, joueurs, resultat, raison)
            return gagnant, resultat, raison, len(coups)

        for i in (0, 1):
            m = self.moteurs[i]
            try:
                m.assure()
                reglages = ["boardsize %d" % o.size, "clear_board", "komi %g" % o.komi]
                if o.main_time:
                    reglages.append("time_settings %d 0 0" % o.main_time)
                for c in reglages:
                    ok, texte = m.envoie(c, o.timeout)
                    if not ok:
                        return fin(*perd(i, "refused '%s': %s" % (c, texte), "F"))
            except Panne as p:
                m.arrete(False)
                return fin(*perd(i, str(p), "F"))

        couleur, passes = "B", 0
        for c, p in self.ouverture(numero) if o.opening else []:
            goban.joue(c, p)
            coups.append((c, p))
            for i in (0, 1):
                try:
                    ok, reponse = self.moteurs[i].envoie("play %s %s" % (NOMS[c], goban.vertex(p)), o.timeout)
                except Panne as pb:
                    self.moteurs[i].arrete(False)
                    return fin(*perd(i, str(pb), "F"))
                if not ok:
                    return fin(None, "Void", "%s refused the opening move %s %s: %s"
                               % (self.noms[i], NOMS[c], goban.vertex(p), reponse))
            couleur = adverse(c)
        restant = [float(o.main_time)] * 2
        while len(coups) < o.max_moves:
            i, autre = joueurs[couleur], joueurs[adverse(couleur)]
            try:
                if o.main_time:
                    self.moteurs[i].envoie("time_left %s %d 0" % (NOMS[couleur], max(0, int(restant[i]))),
                                           o.timeout)
                debut = time.monotonic()
                ok, texte = self.moteurs[i].envoie("genmove " + NOMS[couleur], o.timeout)
            except Panne as p:
                self.moteurs[i].arrete(False)
                return fin(*perd(i, str(p), "T" if "within" in str(p) else "F"))
            duree = time.monotonic() - debut
            self.temps[i].append(duree)
            restant[i] -= duree
            if o.main_time and restant[i] < 0:
                return fin(*perd(i, "ran out of its %d s" % o.main_time, "T"))
            if not ok:
                return fin(*perd(i, "failed on genmove: %s" % texte, "F"))
            if texte.lower() == "resign":
                return fin(*perd(i, "resigned", "R"))
            p = goban.lit_vertex(texte)
            if p is None or not goban.joue(couleur, p):
                return fin(*perd(i, "played an illegal move: '%s' for %s" % (texte, NOMS[couleur]), "F"))
            coups.append((couleur, p))
            try:
                ok, reponse = self.moteurs[autre].envoie("play %s %s" % (NOMS[couleur], goban.vertex(p)),
                                                         o.timeout)
            except Panne as pb:
                self.moteurs[autre].arrete(False)
                return fin(*perd(autre, str(pb), "F"))
            if not ok:
                return fin(None, "Void", "%s refused %s %s, which is legal here: %s"
                           % (self.noms[autre], NOMS[couleur], goban.vertex(p), reponse))
            passes = passes + 1 if p == PASSE else 0
            if passes == 2:
                break
            couleur = adverse(couleur)
        raison = "two passes" if passes == 2 else "move limit"
        fin(None, "?", raison)
        try:
            resultat = self.compte(fichier)
        except Panne as p:
            self.arbitre.arrete(False)
            return fin(None, "Void", "the scorer %s" % p)
        if resultat is None:
            return fin(None, "Void", "the scorer could not score the game")
        if resultat == "0":
            return fin(0.5, "0", raison)
        return fin(joueurs[resultat[0]], resultat, raison)

    def compte(self, fichier):
        """GNU Go's score of a saved game: 'B+3.0', 'W+0.5', '0' or None."""
        a = self.arbitre
        a.assure()
        ok, _ = a.envoie("loadsgf %s" % os.path.abspath(fichier), 60)
        if not ok:
            return None
        a.envoie("komi %g" % self.opts.komi, 60)
        ok, texte = a.envoie("final_score", 300)
        if not ok or not texte or (texte != "0" and texte[:2] not in ("B+", "W+")):
            return None
        return texte

    def ecrit_sgf(self, fichier, goban, coups, joueurs, resultat, raison):
        o = self.opts
        tete = "(;FF[4]GM[1]CA[UTF-8]AP[match.py]SZ[%d]KM[%g]RU[Chinese]PB[%s]PW[%s]DT[%s]RE[%s]C[%s]" % (
            o.size, o.komi, self.noms[joueurs["B"]], self.noms[joueurs["W"]],
            datetime.date.today().isoformat(), resultat, raison.replace("\\", "\\\\").replace("]", "\\]"))
        corps = "".join(";%s[%s]" % (c, goban.sgf(p)) for c, p in coups)
        with open(fichier, "w", encoding="utf-8") as f:
            f.write(tete + corps + ")\n")

    def joue(self):
        o = self.opts
        self.nomme()
        gains, nuls, vides = [0, 0], 0, 0
        for k in range(1, o.games + 1):
            gagnant, resultat, raison, n = self.partie(k)
            b = 0 if k % 2 == 1 else 1
            if gagnant is None:
                vides += 1
                issue = "no result"
            elif gagnant == 0.5:
                nuls += 1
                issue = "draw"
            else:
                gains[gagnant] += 1
                issue = "%s wins" % self.noms[gagnant]
            print("game %d: %s (B) - %s (W): %s, %s, %d moves (%s)"
                  % (k, self.noms[b], self.noms[1 - b], resultat, issue, n, raison), flush=True)
        for m in self.moteurs + [self.arbitre]:
            m.arrete()
        n = gains[0] + gains[1] + nuls
        taux = (gains[0] + nuls / 2) / n if n else 0.0
        bas, haut = wilson(gains[0] + nuls / 2, n)
        print("result: %s %d - %d %s, draws %d, no result %d; %s win rate %.1f%% (95%% CI %.1f%% - %.1f%%) "
              "over %d games" % (self.noms[0], gains[0], gains[1], self.noms[1], nuls, vides, self.noms[0],
                                 100 * taux, 100 * bas, 100 * haut, n))
        for i in (0, 1):
            t = self.temps[i]
            if t:
                print("time per move: %s median %.3f s, max %.3f s over %d moves"
                      % (self.noms[i], statistics.median(t), max(t), len(t)))
            else:
                print("time per move: %s no move" % self.noms[i])
        return 0


def gnugo():
    chemin = shutil.which("gnugo") or (os.path.exists("/usr/games/gnugo") and "/usr/games/gnugo")
    return chemin or "gnugo"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--engine1", required=True, help="command line of engine 1")
    parser.add_argument("--engine2", required=True, help="command line of engine 2")
    parser.add_argument("--name1", help="engine 1's name in the results (default: its GTP name)")
    parser.add_argument("--name2", help="engine 2's name in the results (default: its GTP name)")
    parser.add_argument("--games", type=int, default=10, help="number of games (default 10)")
    parser.add_argument("--size", type=int, default=9, help="board size (default 9)")
    parser.add_argument("--komi", type=float, default=7.0, help="komi (default 7)")
    parser.add_argument("--max-moves", type=int, default=300,
                        help="moves after which a game stops and is scored as it stands (default 300)")
    parser.add_argument("--timeout", type=float, default=60.0,
                        help="seconds an engine may take for one answer before it loses (default 60)")
    parser.add_argument("--main-time", type=int, default=0,
                        help="seconds of main time for each side and game, no byo-yomi: sent with "
                             "time_settings and time_left, and an engine that uses them up loses "
                             "(default 0: no time limit)")
    parser.add_argument("--opening", type=int, default=0,
                        help="random legal moves that open each game, the same for both games of a "
                             "pair, so that the colours are swapped over one opening (default 0)")
    parser.add_argument("--seed", type=int, default=1,
                        help="seed of the random openings (default 1)")
    parser.add_argument("--out", default="match", help="folder for the SGF files (default ./match)")
    parser.add_argument("--scorer", default=gnugo() + " --mode gtp --chinese-rules",
                        help="the GTP engine that scores finished games (default GNU Go, Chinese rules)")
    parser.add_argument("--logs", action="store_true",
                        help="keep each engine's error stream in the output folder (engineN.stderr)")
    opts = parser.parse_args()
    if opts.games < 1 or not 2 <= opts.size <= 25 or opts.max_moves < 1 or opts.opening < 0:
        parser.error("games must be at least 1, size 2 to 25, max-moves at least 1, opening at least 0")
    try:
        return Match(opts).joue()
    except OSError as e:
        print("match.py: cannot start an engine: %s" % e, file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
