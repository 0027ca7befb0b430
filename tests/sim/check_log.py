#!/usr/bin/env python3
"""Checks an ostrel-sim log against the rules of the game, written here a second time and on
purpose independently of the C++ engine, so that a fault in one shows as a disagreement."""
import json
import sys

RANKS = "789" + "1" + "ВДКТ"        # seven ... ace, in natural order
SUITS = "чбкп"                       # hearts, diamonds, clubs, spades
NATURAL = {r: i + 1 for i, r in enumerate(RANKS)}
PLAY_PLAIN = dict(zip(RANKS, [1, 2, 3, 7, 4, 5, 6, 8]))
PLAY_TRUMP = dict(zip(RANKS, [1, 2, 7, 5, 8, 3, 4, 6]))
POINTS_PLAIN = dict(zip(RANKS, [0, 0, 0, 10, 2, 3, 4, 11]))
POINTS_TRUMP = dict(zip(RANKS, [0, 0, 14, 10, 20, 3, 4, 11]))
SUIT_ORDER = {"ч": "кбпч", "б": "кчпб", "к": "чпбк", "п": "чкбп"}
BID_WORTH = dict(zip(RANKS, [5, 5, 17, 13, 23, 6, 7, 14]))


class Fault(Exception):
    pass


def expect(cond, what):
    if not cond:
        raise Fault(what)


def seat_after(seat, k):
    return (seat - 1 + k) % 4 + 1


# A networked copy numbers the seats from its own place: the first hand and the packets of the
# deal turn with it (place 1 is the host, which deals).
PLACE_SHIFT = {1: 0, 2: 2, 3: 3, 4: 1}


def seat_at_place(seat, place):
    return seat_after(seat, PLACE_SHIFT[place])


# The table position at which the copy of tournament (or network) seat M shows seat S.
POSITION = {1: {1: 4, 2: 2, 3: 1, 4: 3}, 2: {1: 2, 2: 4, 3: 3, 4: 1},
            3: {1: 3, 2: 1, 3: 4, 4: 2}, 4: {1: 1, 2: 3, 3: 2, 4: 4}}
# A tournament deals its first 24 cards in blocks of six to tournament seats 4, 3, 2 and 1.
TOURNAMENT_BLOCKS = (4, 3, 2, 1)


class Stop(Exception):
    """A tournament game that a player left or lost on time ends where it stood."""


def team(seat):
    return 1 if seat % 2 == 1 else 2


def sort_hand(cards, trump, order):
    suits = SUIT_ORDER.get(trump, SUIT_ORDER["п"])
    return sorted(cards, key=lambda c: (suits.index(c[1]), order(c)))


def sequences(cards, trump):
    """(kind, top card, cards) in the order the records are filled: four-card runs first, each
    kind from the highest hand position down."""
    hand = sort_hand(cards, trump, lambda c: NATURAL[c[0]])
    runs, start = [], 0
    for i in range(1, len(hand) + 1):
        if i == len(hand) or hand[i][1] != hand[i - 1][1] or NATURAL[hand[i][0]] != NATURAL[hand[i - 1][0]] + 1:
            runs.append((start, i))
            start = i
    fours, threes = [], []
    for a, b in runs:
        top = b
        while top - a >= 3:
            n = 4 if top - a >= 4 else 3
            (fours if n == 4 else threes).append((top, hand[top - n:top]))
            top -= n
            if n == 4 and top - a < 3:
                break
    fours.sort(key=lambda x: -x[0])
    threes.sort(key=lambda x: -x[0])
    return [("Ostrel", c) for _, c in fours] + [("Tertz", c) for _, c in threes]


def strength(kind, top, trump):
    t = NATURAL[top[0]]
    bonus = 1 if top[1] == trump else 0
    return (13 + 2 * (t - 4) if kind == "Ostrel" else 1 + 2 * (t - 3)) + bonus


def evaluate(cards, proposed):
    tv = {s: 0 for s in SUITS}
    side = 0
    for c in cards:
        tv[c[1]] += BID_WORTH[c[0]]
        if c[0] == "Т" and c[1] != proposed:
            side += 11
    for s in SUITS:
        if "К" + s in cards and "Д" + s in cards:
            tv[s] += 20
    for kind, _ in sequences(cards, proposed):
        side += 50 if kind == "Ostrel" else 20
    return tv, side


def bid_answer(cards, proposed, turned_up, position):
    """Round one: True to play. Round two (proposed None): the suit named or None."""
    p = proposed or "#"
    tv, side = evaluate(cards, p)
    exchange = False
    if proposed and "7" + proposed in cards:
        swapped = [turned_up if c == "7" + proposed else c for c in cards]
        tv2, side2 = evaluate(swapped, p)
        before, after = side + tv[proposed], side2 + tv2[proposed]
        exchange = after > before or (after == before and turned_up[0] == "В")
        if exchange:
            tv, side = tv2, side2
    best_suit, best = None, 0
    for s in SUITS:
        if tv[s] >= best:
            best_suit, best = s, tv[s]
    if proposed:
        v = tv[proposed]
        if position == 1:
            return (v == best or exchange) and ((side == 0 and v >= 50) or (side > 0 and v + side >= 62))
        return (side == 0 and v >= 47) or (side > 0 and v + side >= 58 and v >= 34)
    return best_suit if best + side >= 45 and best_suit != turned_up[1] else None


def allowed(hand, card, trick, trump, trump_required):
    if not trick:
        return True
    led = trick[0][1]
    has_led = any(c[1] == led for c in hand)
    trumps = [PLAY_TRUMP[c[0]] for c in hand if c[1] == trump]
    if trump_required and card[1] == trump and (led == trump or not has_led):
        best_in_trick = max([PLAY_TRUMP[c[0]] for c in trick if c[1] == trump], default=0)
        if trumps and max(trumps) > best_in_trick and PLAY_TRUMP[card[0]] < best_in_trick:
            return False
    if card[1] == led:
        return True
    if card[1] == trump:
        return not has_led
    return not has_led and not trumps


def trick_winner(trick, leader, trump):
    led = trick[0][1]
    def key(i):
        c = trick[i]
        if c[1] == trump:
            return (2, PLAY_TRUMP[c[0]])
        return (1, PLAY_PLAIN[c[0]]) if c[1] == led else (0, 0)
    best = max(range(4), key=key)
    return seat_after(leader, best)


def card_points(card, trump):
    return (POINTS_TRUMP if card[1] == trump else POINTS_PLAIN)[card[0]]


class Checker:
    def __init__(self, events):
        self.ev = events
        self.i = 0
        self.games = self.deals = 0

    def next(self, name=None):
        expect(self.i < len(self.ev), "the log ends early")
        e = self.ev[self.i]
        if e["event"] == "tournament_game" and name != "tournament_game":
            expect(e["end"] in ("left", "time_out"), "a finished tournament game ends with its score")
            raise Stop()
        self.i += 1
        if name:
            expect(e["event"] == name, f"expected {name}, found {e['event']}")
        return e

    def peek(self):
        return self.ev[self.i]["event"] if self.i < len(self.ev) else None

    def run(self):
        while self.i < len(self.ev):
            self.game()

    def game(self):
        g = self.next("game")
        self.games += 1
        self.place = None
        self.tournament = False
        if self.peek() == "tournament":
            t = self.next("tournament")
            self.tournament = True
            # The server's own engine is place 1; a player's copy is the place of its seat.
            self.place = 1 if t.get("server") else t["seat"]
            expect(self.place in (1, 2, 3, 4) and t["table"] in range(1, 11), "tournament seat and table")
            expect((g["target"], g["bella_first_hand_only"], g["trump_required"]) == (301, True, True),
                   "the tournament's rules: 301 points, Bella with the first hand, trumping required")
        elif self.peek() == "lan":
            lan = self.next("lan")
            self.place = lan["network_seat"]
            expect(self.place in (1, 2, 3, 4), "network seat")
            names = lan["names"]
            expect(sorted(names) == ["1", "2", "3", "4"] and all(len(n) == 4 for n in names.values()),
                   "four names of four characters")
            expect(names["4"] != "PC  ", "this copy's player sits at 4")
            # Two people play as partners (positions 2 and 4) against two computer seats, or
            # four people play.
            people = [p for p in "123" if names[p] != "PC  "]
            expect(people in (["2"], ["1", "2", "3"]), f"the people at the table: {names}")
        score = {1: 0, 2: 0}
        try:
            while True:
                self.deal(g, score)
                if max(score.values()) >= g["target"]:
                    break
        except Stop:
            self.next("tournament_game")
            return
        end = self.next("game_end")
        expect(end["game_score"] == {"1": score[1], "2": score[2]}, "final score")
        expect(end["score_difference"] == score[2] - score[1], "score difference")
        if self.peek() == "tournament_game":
            t = self.next("tournament_game")
            # Place 1's seat 4 is tournament seat 1, whose team's margin the server records.
            expect(self.tournament and self.place == 1, "only the server's log sums up the table")
            expect(t["end"] == "finished" and t["margin"] == score[2] - score[1], "the table's margin")

    def deal(self, g, score):
        d = self.next("deal")
        self.deals += 1
        deck = d["deck"]
        expect(len(set(deck)) == 32 and all(c[0] in RANKS and c[1] in SUITS for c in deck), "deck")
        first = d["first_hand"]
        if self.place is None:
            expect(first == (g["game_number"] + d["deal"]) % 4 + 1, "first hand")
            packets = (4, 2, 1, 3)
        else:
            expect(first == seat_at_place(d["deal"] % 4 + 1, self.place), "first hand")
            packets = tuple(seat_at_place(s, self.place) for s in (4, 2, 1, 3))
        if self.tournament:
            packets = tuple(POSITION[self.place][s] for s in TOURNAMENT_BLOCKS)
        hands = {packets[k]: deck[6 * k:6 * k + 6] for k in range(4)}
        turned_up = deck[31]
        declarer, trump = self.bidding(first, hands, turned_up)
        if declarer is None:
            return
        for j in range(4):
            hands[seat_after(declarer, j)] += deck[24 + 2 * j:26 + 2 * j]
        h = self.next("hands")["hands"]
        for s in range(1, 5):
            expect(sorted(h[str(s)]) == sorted(hands[s]), f"hand of seat {s}")
            expect(h[str(s)] == sort_hand(hands[s], trump, lambda c: NATURAL[c[0]]), "hand order")
        points = {1: 0, 2: 0}
        self.combinations(first, hands, trump, points)
        self.tricks(g, first, hands, trump, points)
        kept = dict(points)
        dteam, oteam = team(declarer), 3 - team(declarer)
        if points[dteam] == points[oteam]:
            kept[dteam] = 0
        elif points[dteam] < points[oteam]:
            kept[dteam], kept[oteam] = 0, points[dteam] + points[oteam]
        for t in (1, 2):
            score[t] += kept[t]
        e = self.next("deal_end")
        as_json = lambda v: {"1": v[1], "2": v[2]}
        expect(e["deal_points"] == as_json(points), f"deal points {e['deal_points']} != {points}")
        expect(e["kept"] == as_json(kept), "kept points")
        expect(e["game_score"] == as_json(score), "game score")

    def bidding(self, first, hands, turned_up):
        proposed = turned_up[1]
        for rnd in (1, 2):
            for k in range(4):
                seat = seat_after(first, k)
                b = self.next("bid")
                expect(b["round"] == rnd and b["seat"] == seat, "bidding order")
                if rnd == 1:
                    play = bid_answer(hands[seat], proposed, turned_up, k + 1)
                    expect(b["answer"] == ("play" if play else "pass"), f"round-one bid of seat {seat}")
                    if play:
                        return self.contract(seat, proposed, False)
                else:
                    suit = bid_answer(hands[seat], None, turned_up, 1)
                    expect(b["answer"] == ("name" if suit else "pass"), f"round-two bid of seat {seat}")
                    if suit:
                        expect(b["suit"] == suit, "named suit")
                        return self.contract(seat, suit, True)
        self.next("thrown_in")
        return None, None

    def contract(self, seat, trump, second):
        c = self.next("contract")
        expect(c == {"event": "contract", "declarer": seat, "trump": trump, "second_round": second}, "contract")
        return seat, trump

    def combinations(self, first, hands, trump, points):
        e = self.next("combinations")
        best, winner = 0, 0
        for k in range(4):
            seat = seat_after(first, k)
            recs = [{"kind": kind, "strength": strength(kind, cards[-1], trump), "cards": cards}
                    for kind, cards in sequences(hands[seat], trump)[:3]]
            expect(e["records"][str(seat)] == recs, f"combinations of seat {seat}: {e['records'][str(seat)]} != {recs}")
            top = max([r["strength"] for r in recs], default=0)
            if top > best:
                best, winner = top, seat
        expect(e["shown_seat"] == winner, "combinations winner")
        if winner:
            points[team(winner)] += sum(50 if r["kind"] == "Ostrel" else 20 for r in e["records"][str(winner)])

    def tricks(self, g, first, hands, trump, points):
        leader, taken = first, 0
        for t in range(1, 9):
            trick = []
            for k in range(4):
                seat = seat_after(leader, k)
                c = self.next("card")
                expect(c["trick"] == t and c["seat"] == seat, "turn order")
                card = c["card"]
                expect(card in hands[seat], f"seat {seat} does not hold {card}")
                expect(allowed(hands[seat], card, trick, trump, g["trump_required"]), f"trick {t}: {card} is not allowed")
                hands[seat].remove(card)
                partner = {"К": "Д", "Д": "К"}.get(card[0])
                bella = (card[1] == trump and partner is not None and partner + trump in hands[seat]
                         and (k == 0 or not g["bella_first_hand_only"]))
                expect(c["bella"] == bella, f"Bella flag of {card}")
                if bella:
                    points[team(seat)] += 20
                trick.append(card)
            winner = trick_winner(trick, leader, trump)
            value = sum(card_points(c, trump) for c in trick) + (10 if t == 8 else 0)
            e = self.next("trick")
            expect(e == {"event": "trick", "trick": t, "winner": winner, "points": value}, f"trick {t}")
            points[team(winner)] += value
            taken += value
            leader = winner
        expect(taken == 162, "the tricks of a deal are worth 162")


def main():
    events = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
    checker = Checker(events)
    try:
        checker.run()
    except Fault as f:
        print(f"{sys.argv[1]}: event {checker.i}: {f}")
        return 1
    print(f"log sound: {checker.games} games, {checker.deals} deals")
    return 0


if __name__ == "__main__":
    sys.exit(main())
