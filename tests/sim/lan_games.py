#!/usr/bin/env python3
"""Plays LAN games between copies of ostrel-sim on loopback and checks them: every copy's log
obeys the rules (check_log.py), and the copies agree on every deal, bid, card and score once
their seats are mapped to network seats. Scenarios put a relay between the clients and the host
that cuts the byte stream into single bytes, merges messages, or slips in what a client may
not send; or kill a client mid-game. Every process is bounded in time and stopped at the end."""
import argparse
import json
import os
import select
import socket
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TIMEOUT = 120
INTERRUPTION = "has interrupted game!"

# The table position at which the copy of network seat M shows network seat S.
POSITION = {1: {1: 4, 2: 2, 3: 1, 4: 3}, 2: {1: 2, 2: 4, 3: 3, 4: 1},
            3: {1: 3, 2: 1, 3: 4, 4: 2}, 4: {1: 1, 2: 3, 3: 2, 4: 4}}
SEAT_AT = {m: {p: s for s, p in row.items()} for m, row in POSITION.items()}


class Failure(Exception):
    pass


def expect(cond, what):
    if not cond:
        raise Failure(what)


def canonical(path):
    """The log's games with every seat and team named by network (or tournament) seat (team A
    is seats 1 and 2, team B seats 3 and 4)."""
    out, own = [], None
    net = lambda p: SEAT_AT[own][p]
    team = lambda t: "A" if net(1 if t == "1" else 2) in (1, 2) else "B"
    teams = lambda v: {team(t): x for t, x in v.items()}
    with open(path, encoding="utf-8") as f:
        for line in f:
            e = json.loads(line)
            kind = e["event"]
            if kind == "lan":
                own = e["network_seat"]
                out.append(("names", {net(int(p)): n for p, n in e["names"].items()}))
            elif kind == "tournament":
                # A tournament seat is placed like a network seat; the server's engine is place 1.
                own = 1 if e.get("server") else e["seat"]
            elif kind == "tournament_game":
                continue  # the server's summary of the table
            elif kind == "game":
                out.append(("game", e["target"], e["trump_required"], e["bella_first_hand_only"]))
            elif kind == "deal":
                out.append(("deal", e["deal"], net(e["first_hand"]), tuple(e["deck"])))
            elif kind == "bid":
                out.append(("bid", e["round"], net(e["seat"]), e["answer"], e.get("suit")))
            elif kind == "contract":
                out.append(("contract", net(e["declarer"]), e["trump"]))
            elif kind == "hands":
                out.append(("hands", {net(int(p)): h for p, h in e["hands"].items()}))
            elif kind == "combinations":
                shown = net(e["shown_seat"]) if e["shown_seat"] else 0
                out.append(("combinations", shown,
                            {net(int(p)): r for p, r in e["records"].items()}))
            elif kind == "card":
                out.append(("card", e["trick"], net(e["seat"]), e["card"], e["bella"]))
            elif kind == "trick":
                out.append(("trick", e["trick"], net(e["winner"]), e["points"]))
            elif kind == "deal_end":
                out.append(("deal_end", teams(e["deal_points"]), teams(e["kept"]),
                            teams(e["game_score"])))
            elif kind == "game_end":
                out.append(("game_end", teams(e["game_score"])))
            else:
                out.append(("thrown_in",) if kind == "thrown_in" else ("unknown", kind))
    return out


def frames(buffer):
    """Cuts a client's stream to the host into whole messages; returns them and the rest."""
    out = []
    while buffer:
        if buffer[:1] == b"s":
            end = buffer.find(b"\n")
            if end < 0:
                break
            size = end + 1
        else:
            size = {b"q": 19, b"h": 7}.get(buffer[:1], len(buffer))
        if len(buffer) < size:
            break
        out.append(buffer[:size])
        buffer = buffer[size:]
    return out, buffer


class Relay:
    """Listens on a free port and passes every connection on to the host. `mode` says how:
    "split" writes every byte alone, "merge" gathers what arrives within a few milliseconds into
    one write, "rogue" adds, to the first client's stream, messages the host must refuse."""

    def __init__(self, host_port, mode):
        self.host_port, self.mode = host_port, mode
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.port = self.listener.getsockname()[1]
        self.stop = threading.Event()
        self.sockets = [self.listener]
        self.rogue_used = False
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while not self.stop.is_set():
            try:
                client, _ = self.listener.accept()
            except OSError:
                return
            host = socket.create_connection(("127.0.0.1", self.host_port))
            for s in (client, host):
                s.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            self.sockets += [client, host]
            rogue = self.mode == "rogue" and not self.rogue_used
            self.rogue_used = self.rogue_used or rogue
            threading.Thread(target=self.pump, args=(client, host, rogue), daemon=True).start()
            threading.Thread(target=self.pump, args=(host, client, False), daemon=True).start()

    def pump(self, src, dst, rogue):
        pending = b""
        try:
            while not self.stop.is_set():
                data = src.recv(65536)
                if not data:
                    break
                if self.mode == "merge":
                    while select.select([src], [], [], 0.005)[0]:
                        more = src.recv(65536)
                        if not more:
                            break
                        data += more
                if rogue:
                    messages, pending = frames(pending + data)
                    data = b"".join(self.tamper(m) for m in messages)
                if self.mode == "split":
                    for i in range(len(data)):
                        dst.sendall(data[i:i + 1])
                else:
                    dst.sendall(data)
        except OSError:
            pass
        for s in (src, dst):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    @staticmethod
    def tamper(message):
        """Slips in, ahead of the client's own moves (when its seat is due, so that only the
        checks named can refuse them): before each card, another card signed by seat 1; before
        each bid, a card (no card may be played while bidding), a malformed deal and a chat
        line signed by seat 3. Had the host taken any of them, the copies would disagree."""
        if message[:5] == b"hhods":
            other = b"1" if message[5:6] != b"1" else b"2"
            return b"hhods" + other + b"1" + message
        if message[:2] in (b"hp", b"hi"):
            card = b"hhods1" + message[6:7]
            bad_deal = b"b" + b"7\xf7" * 32 + b"1" * 32 + b"00" * 32 + b"501\xcb\xcb"
            return card + bad_deal + b"s3not mine\n" + message
        return message

    def close(self):
        self.stop.set()
        for s in self.sockets:
            try:
                s.close()
            except OSError:
                pass


def start(sim, args, log, name):
    return subprocess.Popen([sim, *args, "--name", name, "--log", log],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)


def read_port(proc):
    line = proc.stdout.readline()
    expect(line.startswith("listening on port "), f"the host did not listen: {line!r}")
    return int(line.split()[-1])


def finish(proc):
    try:
        out, err = proc.communicate(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        proc.kill()
        out, err = proc.communicate()
        raise Failure(f"a copy hung: {err[-500:]}")
    return proc.returncode, out, err


def run(opts, sim, work):
    procs, relay = [], None
    try:
        host_log = os.path.join(work, "host.jsonl")
        host = start(sim, ["--lan-host", "0", "--lan-players", str(opts.players), "--games",
                           str(opts.games), "--seed", str(opts.seed), "--play", opts.play],
                     host_log, "Anna")
        procs.append(host)
        port = read_port(host)
        stranger = socket.create_connection(("127.0.0.1", port)) if opts.garbage else None
        if opts.relay != "none":
            relay = Relay(port, opts.relay)
            port = relay.port
        logs = [host_log]
        for k in range(opts.players - 1):
            logs.append(os.path.join(work, f"client{k}.jsonl"))
            procs.append(start(sim, ["--lan-join", f"127.0.0.1:{port}", "--seed",
                                     str(opts.seed + 100 + k), "--play", opts.play],
                               logs[-1], f"P{k}"))
            time.sleep(0.2)  # joiners take their seats in this order
        if stranger:
            try:
                stranger.sendall(bytes((i * 37 + 11) % 256 for i in range(100_000)))
            except OSError:
                pass  # the host may drop it before all is written
            stranger.close()
        if opts.kill:
            deadline = time.time() + TIMEOUT
            # Well into the first game: a few kilobytes of the client's log.
            while not os.path.exists(logs[1]) or os.path.getsize(logs[1]) < 8000:
                expect(time.time() < deadline and procs[1].poll() is None, "no game to interrupt")
                time.sleep(0.01)
            procs[1].kill()
        results = [finish(p) for p in procs]
        for k, (code, out, err) in enumerate(results):
            if opts.kill and k == 1:
                continue
            want = 3 if opts.kill else 0
            expect(code == want, f"copy {k} exited {code}, not {want}: {err[-800:]}")
            if opts.kill:
                expect(INTERRUPTION in out, f"copy {k} did not report the interruption: {out}")
        if opts.kill:
            print("every other copy reported the interruption")
            return
        games = None
        for log in logs:
            check = subprocess.run([sys.executable, os.path.join(HERE, "check_log.py"), log],
                                   capture_output=True, text=True, timeout=TIMEOUT)
            expect(check.returncode == 0, check.stdout + check.stderr)
            games = games or check.stdout
        # The checker must notice a copy that took another network seat than its own.
        with open(logs[1], encoding="utf-8") as f:
            text = f.read()
        seat = json.loads(text.split("\n")[1])["network_seat"]
        bad = os.path.join(work, "bad.jsonl")
        with open(bad, "w", encoding="utf-8") as f:
            f.write(text.replace(f'"network_seat":{seat}', f'"network_seat":{seat % 4 + 1}', 1))
        check = subprocess.run([sys.executable, os.path.join(HERE, "check_log.py"), bad],
                               capture_output=True, text=True, timeout=TIMEOUT)
        expect(check.returncode != 0, "the checker took a log with a wrong network seat")
        reference = canonical(logs[0])
        expect(sum(1 for e in reference if e[0] == "game") == opts.games, "the host's games")
        for log in logs[1:]:
            other = canonical(log)
            first = next((i for i, (a, b) in enumerate(zip(reference, other)) if a != b), None)
            expect(len(other) == len(reference) and first is None,
                   f"{log} disagrees with the host at event {first}")
        host_err = results[0][2]
        if opts.relay == "rogue":
            for report in ("signed by seat 1", "an action the table refused", "refused a message: ",
                           "chat line signed by seat 3"):
                expect(report in host_err, f"no report of {report!r}: {host_err[-800:]}")
        if opts.garbage:
            expect("without a seat: the connection was dropped" in host_err,
                   f"the garbage was not reported: {host_err[-800:]}")
        print(results[0][1].strip(), "|", games.strip())
    finally:
        if relay:
            relay.close()
        for p in procs:
            if p.poll() is None:
                p.kill()
                p.wait()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("sim")
    ap.add_argument("--players", type=int, default=2)
    ap.add_argument("--games", type=int, default=3)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--play", default="random")
    ap.add_argument("--relay", choices=["none", "split", "merge", "rogue"], default="none")
    ap.add_argument("--kill", action="store_true", help="kill the first client mid-game")
    ap.add_argument("--garbage", action="store_true", help="a stranger sends 100 KB of garbage")
    opts = ap.parse_args()
    with tempfile.TemporaryDirectory() as work:
        try:
            run(opts, opts.sim, work)
        except Failure as f:
            print(f"FAIL: {f}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
