#!/usr/bin/env python3
"""Plays many seeded random games of a gamebook through morvane-text --json and
counts how each one ended: every ending page, every death (with the location
where the hero died), games that ran out of moves, and the locations that no
game reached.

    demo-walk.py [--games N] [--seed S] [--jobs J] [--players KIND] [--moves M]
                 [--text PROGRAM] [GAME_FOLDER]

Game k plays with seed S + k, both for the program's dice and for the choices
made here, so a game can be replayed by its number. Two kinds of player: a
careless one takes any offered way, fights with any attack and opens the
inventory, the character sheet, the shops and the junk dealer at random; a
careful one heals when hurt, wears the best gear it can, trains when it can,
fights with its strongest means and never takes a grey or red way. --players
careless or careful plays every game with one kind; mixed (the default) lets
even games be careless and odd ones careful. The counts are given per kind.
The game folder is copied first, so saved positions stay out of it.
"""
import argparse
import collections
import json
import multiprocessing
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
GREY, RED = 0x808080, 0x0000FF


def locations(game):
    """Every location marker of the story and its libraries."""
    found = set()
    data = os.path.join(game, "data")
    files = [os.path.join(data, "data.vrn")]
    libraries = os.path.join(data, "knihovny")
    if os.path.isdir(libraries):
        files += [os.path.join(libraries, f) for f in sorted(os.listdir(libraries))]
    for path in files:
        with open(path, "rb") as f:
            found.update(int(m) for m in re.findall(rb"<([0-9]+)>", f.read()))
    return found


class Player:
    def __init__(self, rng, careful):
        self.rng = rng
        self.careful = careful
        self.visited = set()

    def choose(self, line):
        screen = line["screen"]
        handler = getattr(self, "on_" + screen, None)
        return handler(line) if handler else "close"

    def on_name(self, line):
        return "name Poutník"

    def on_menu(self, line):
        return "new"

    def on_picture(self, line):
        return "close"

    def on_save(self, line):
        return "cancel"

    def on_audio(self, line):
        return "ok"

    def on_death(self, line):
        return "close"

    def on_main(self, line):
        g = line["game"]
        hero = g["hrac"]
        items = g["menu"]["items"]
        ways = [k + 1 for k, item in enumerate(items) if item["target"] > 0]
        if self.careful:
            # Never a grey or red way, and a place not seen yet before one seen.
            safe = [k for k in ways if items[k - 1]["colour"] not in (GREY, RED)]
            new = [k for k in safe if items[k - 1]["target"] not in self.visited]
            self.visited.add(g["lokace"])
            # Mostly the first new way of the menu: stories list the places
            # around before the way on.
            if new and self.rng.random() < 0.7:
                return "%d" % new[0]
            ways = new or safe or ways
        moves = ["%d" % k for k in ways]
        links = [e for e in g["page"] if e.get("link", 0) > 0]
        moves += ["link %d" % (k + 1) for k in range(len(links))]
        if g["countdown"]["running"] and not self.careful:
            moves.append("tick 60")
        buttons = g["buttons"]
        if self.careful:
            if buttons["vybaveni"] and self.wants_inventory(g):
                return "inventory"
            if buttons["postava"] and self.wants_training(g):
                return "sheet"
            return self.rng.choice(moves) if moves else "tick 60"
        roll = self.rng.random()
        if buttons["vybaveni"] and roll < 0.12:
            return "inventory"
        if buttons["postava"] and roll > 0.94:
            return "sheet"
        return self.rng.choice(moves) if moves else "tick 60"

    # --- the careful player's reasons to leave the page -------------------
    def wants_inventory(self, g):
        hero = g["hrac"]
        self.plan = self.best_gear(g)
        if self.plan:
            return True
        return self.hurt(hero) and bool(self.healing(g, fight=False))

    @staticmethod
    def hurt(hero):
        return hero["zivoty"] * 4 < hero["maxzivoty"] * 3

    def wants_training(self, g):
        return g["hrac"]["zkusenosti"] >= min(g["hrac"]["cenaxp"])

    def best_gear(self, g):
        """An equip command that makes the hero stronger, if the pack holds one."""
        owned = g["mnozstvi"]
        hero = g["hrac"]
        weapon_rank = [1, 2, 5, 3, 4]  # fists, knife, sharpened knife, axe, sword
        armour_rank = [1, 2, 4, 3]  # shirt, vest, scaled vest, mail
        for kind, rank, current in (("zbrane", weapon_rank, hero["zbran"]),
                                    ("zbroje", armour_rank, hero["zbroj"])):
            have = [int(n) for n in owned[kind]]
            better = [n for n in have if n in rank and current in rank
                      and rank.index(n) > rank.index(current)]
            tried = getattr(self, "tried", set())
            better = [n for n in better if (kind[:-1], n) not in tried]
            if better:
                best = max(better, key=rank.index)
                return "equip %s %d" % (kind[:-1], best)
        return None

    def healing(self, g, fight):
        owned = g["mnozstvi"]["predmety"]
        kinds = {"1": "vzdy", "3": "mimoboj"} if not fight else {"1": "vzdy"}
        return [int(n) for n in owned if n in kinds]

    def on_inventory(self, line):
        inv = line["inventory"]
        if self.careful:
            g = line.get("game")
            if g:
                plan = self.best_gear(g)
                if plan:
                    # A piece the hero cannot wear yet is not tried again.
                    self.tried = getattr(self, "tried", set())
                    self.tried.add((plan.split()[1], int(plan.split()[2])))
                    return plan
                hero = g["hrac"]
                heal = self.healing(g, fight=False)
                if heal and self.hurt(hero):
                    return "use %d" % heal[0]
            return "close"
        roll = self.rng.random()
        if roll < 0.3 and inv["zbrane"]:
            return "equip zbran %d" % self.rng.choice(inv["zbrane"])["cislo"]
        if roll < 0.5 and inv["zbroje"]:
            return "equip zbroj %d" % self.rng.choice(inv["zbroje"])["cislo"]
        if roll < 0.65 and inv["predmety"]:
            return "use %d" % self.rng.choice(inv["predmety"])["cislo"]
        return "close"

    def on_sheet(self, line):
        plus = [k for k, shown in line["sheet"]["plus"].items() if shown]
        if self.careful:
            for k in ("sila", "zivoty", "obratnost", "rychlost", "energie", "mana"):
                if k in plus:
                    self.tried = set()  # a stronger hero may wear what failed before
                    return "train " + k
            return "close"
        if plus and self.rng.random() < 0.6:
            return "train " + self.rng.choice(plus)
        return "close"

    def on_shop(self, line):
        goods = line["shop"]["goods"]
        money = line["game"]["hrac"]["penize"] if "game" in line else 0
        affordable = [k + 1 for k, good in enumerate(goods) if good["cena"] <= money]
        if self.careful:
            # Armour first, then a weapon, then healing, each good once.
            wishes = [("zbroj", 3), ("zbroj", 2), ("zbran", 2), ("predmet", 1), ("predmet", 3)]
            self.bought = getattr(self, "bought", set())
            for wish in wishes:
                k = [k for k in affordable if (goods[k - 1]["typ"], goods[k - 1]["cislo"]) == wish]
                if k and wish not in self.bought:
                    self.bought.add(wish)
                    if wish == ("zbroj", 3):
                        self.bought.add(("zbroj", 2))  # one armour is enough
                    return "buy %d" % k[0]
            return "close"
        if affordable and self.rng.random() < 0.5:
            return "buy %d" % self.rng.choice(affordable)
        return "close"

    def on_sell(self, line):
        shown = [l for l in line["sell"]["lines"] if l["visible"]]
        if shown and not self.careful and self.rng.random() < 0.4:
            l = self.rng.choice(shown)
            return "sell %s %d" % (l["kind"], l["cislo"])
        if self.careful:
            junk = [l for l in shown if l["kind"] == "predmet" and l["cislo"] == 5]
            if junk:
                return "sell predmet 5"
        return "close"

    def on_fight(self, line):
        f = line["fight"]
        g = line["game"]
        hero = g["hrac"]
        attacks = [a["entry"] for a in f["actions"] if a["enabled"]]
        owned = [int(n) for n in g["mnozstvi"]["predmety"]]
        spells = g["umime"]["kouzla"]
        used = hero["predmetyvsouboji"] + hero["kouzlavsouboji"]
        if self.careful:
            fresh = used <= getattr(self, "used", -1)
            hurt = hero["zivoty"] * 5 < hero["maxzivoty"] * 2
            if f["items_allowed"] and 4 in owned and not fresh:
                self.used = used
                return "item 4"
            if f["spells_allowed"] and 1 in spells and hurt and hero["mana"] >= 5 and not fresh:
                self.used = used
                return "spell 1"
            if f["spells_allowed"] and 2 in spells and hero["mana"] >= 6 and not fresh:
                self.used = used
                return "spell 2"
            if f["items_allowed"] and 1 in owned and hurt and not fresh:
                self.used = used
                return "item 1"
            self.used = used
            # The lunge while there is energy for it, else the plain blow.
            lunge = 2 in attacks and hero["energievsouboji"] >= 5
            return "attack %d" % (2 if lunge and "K provedení" not in f["Summary1"] else 1)
        roll = self.rng.random()
        if roll < 0.15 and f["items_allowed"] and owned:
            return "item %d" % self.rng.choice(owned)
        if roll < 0.3 and f["spells_allowed"] and spells:
            return "spell %d" % self.rng.choice(spells)
        return "attack %d" % self.rng.choice(attacks or [1])


def play(args):
    game, text, seed, careful, moves_left = args
    rng = random.Random(seed)
    player = Player(rng, careful)
    env = dict(os.environ, SDL_AUDIODRIVER="dummy")
    proc = subprocess.Popen([text, "--json", "--seed", str(seed), game], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env,
                            text=True, encoding="utf-8", bufsize=1)
    seen, last_page, last_target, result = set(), None, None, None
    try:
        while moves_left > 0:
            raw = proc.stdout.readline()
            if not raw:
                break
            if not raw.startswith("{"):
                continue
            line = json.loads(raw)
            screen = line["screen"]
            if "game" in line:
                seen.add(line["game"]["lokace"])
            if screen == "ended":
                if last_target:
                    seen.add(last_target)
                result = ("konec", last_page)
                break
            if screen == "death":
                result = ("smrt", line["game"]["lokace"])
                break
            move = player.choose(line)
            last_target = None
            if screen == "main":
                last_page = line["game"]["lokace"]
                if move.isdigit():
                    last_target = line["game"]["menu"]["items"][int(move) - 1]["target"]
            proc.stdin.write(move + "\n")
            moves_left -= 1
    except (BrokenPipeError, ValueError):
        pass
    finally:
        try:
            proc.stdin.close()
        except BrokenPipeError:
            pass
        proc.kill()
        proc.wait()
    return result or ("nedohráno", last_page), seen


def report(title, results):
    """Prints how the games of one kind of player ended; returns the locations they reached."""
    endings, deaths, reached = collections.Counter(), collections.Counter(), set()
    for (kind, where), seen in results:
        reached |= seen
        (deaths if kind == "smrt" else endings)[(kind, where)] += 1
    total = len(results)
    print("%s: %d her" % (title, total))
    for (kind, where), n in sorted(endings.items(), key=lambda e: (e[0][0], e[0][1] or 0)):
        print("  %-10s po lokaci %-4s %5d  (%.1f %%)" % (kind, where, n, 100.0 * n / total))
    dead = sum(deaths.values())
    print("  %-10s %19d  (%.1f %%)" % ("smrt", dead, 100.0 * dead / total))
    for (kind, where), n in sorted(deaths.items(), key=lambda e: e[0][1]):
        print("    v lokaci %-4s %14d" % (where, n))
    return reached


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("game", nargs="?", default=os.path.join(HERE, "..", "games", "demo"))
    parser.add_argument("--games", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--moves", type=int, default=400)
    parser.add_argument("--players", choices=("careless", "careful", "mixed"), default="mixed")
    parser.add_argument("--text", default=shutil.which("morvane-text") or os.path.join(
        HERE, "..", "build", "test", "morvane-text"))
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        game = os.path.join(tmp, "hra")
        shutil.copytree(args.game, game)
        every = locations(game)
        careful = {"careless": lambda k: False, "careful": lambda k: True,
                   "mixed": lambda k: k % 2 == 1}[args.players]
        work = [(game, args.text, args.seed + k, careful(k), args.moves)
                for k in range(args.games)]
        with multiprocessing.Pool(args.jobs) as pool:
            results = pool.map(play, work, chunksize=8)
    reached = set()
    print("%d her (semínka %d až %d)" % (len(results), args.seed, args.seed + len(results) - 1))
    for kind_name, kind in (("nepozorný hráč", False), ("opatrný hráč", True)):
        games = [r for k, r in enumerate(results) if careful(k) == kind]
        if games:
            reached |= report(kind_name, games)
    missing = sorted(every - reached)
    print("nedosažené lokace: %s" % (", ".join(map(str, missing)) if missing else "žádné"))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
