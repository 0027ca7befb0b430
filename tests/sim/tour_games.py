#!/usr/bin/env python3
"""Plays tournament games: an ostrel-server on loopback (free ports, its tables on free ports,
a fresh data folder) and four ostrel-sim --tournament players per table, who register, take
their seats through the web service and play at the table's port.

Scenarios: "game" (every player exits 0 after the server's end; the server's game log and the
players' logs obey the rules and agree once their seats are mapped), "kill" (a player is killed
mid-game: the others exit 3 after "abort"), "silent" (a player stops mid-game: the others exit 3
after the server's "TOut"). With --bench the tables play at once and the wall time, the games
and the server's CPU time are printed. Every process is bounded in time and stopped at the end."""
import argparse
import json
import os
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from lan_games import canonical  # noqa: E402

TIMEOUT = 120


class Failure(Exception):
    pass


def expect(cond, what):
    if not cond:
        raise Failure(what)


class Server:
    def __init__(self, binary, work, move_seconds):
        self.game_log = os.path.join(work, "games")
        os.makedirs(self.game_log)
        os.makedirs(os.path.join(work, "data"))
        self.proc = subprocess.Popen(
            [binary, "--data", os.path.join(work, "data"), "--http", "127.0.0.1:0",
             "--tables", "127.0.0.1:0", "--hash-cost", "minimum", "--game-log", self.game_log,
             "--move-seconds", str(move_seconds), "--log", os.path.join(work, "server.log")],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        line = self.proc.stdout.readline()
        expect(line.startswith("listening on "), f"the server did not start: {line!r}")
        self.site = "http://" + line.split()[-1]
        self.cpu = None

    def stop(self):
        """SIGTERM, then SIGKILL after 10 s; keeps the CPU seconds the server used."""
        if self.proc.poll() is not None:
            return
        self.proc.send_signal(signal.SIGTERM)
        deadline = time.time() + 10
        while time.time() < deadline:
            pid, status, usage = os.wait4(self.proc.pid, os.WNOHANG)
            if pid:
                self.proc.returncode = os.waitstatus_to_exitcode(status)
                self.cpu = usage.ru_utime + usage.ru_stime
                return
            time.sleep(0.05)
        self.proc.kill()
        self.proc.wait()


def start_player(sim, site, work, table, seat, play, think_ms):
    log = os.path.join(work, f"t{table}s{seat}.jsonl")
    args = [sim, "--tournament", "--site", site, "--nick", f"Tab{table}Seat{seat}",
            "--password", f"secret{table}x{seat}", "--table", str(table), "--seat", str(seat),
            "--seed", str(table * 10 + seat), "--play", play, "--think-ms", str(think_ms),
            "--log", log]
    proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    return proc, log


def finish(proc):
    try:
        out, err = proc.communicate(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        proc.kill()
        out, err = proc.communicate()
        raise Failure(f"a player hung: {out[-300:]} {err[-500:]}")
    return proc.returncode, out, err


def check_log(path):
    check = subprocess.run([sys.executable, os.path.join(HERE, "check_log.py"), path],
                           capture_output=True, text=True, timeout=TIMEOUT)
    return check.returncode == 0, check.stdout + check.stderr


def wait_for_game(log, proc):
    """Until the player's log holds a few kilobytes of its game."""
    deadline = time.time() + TIMEOUT
    while not os.path.exists(log) or os.path.getsize(log) < 3000:
        expect(time.time() < deadline and proc.poll() is None, "no game to break off")
        time.sleep(0.01)


def check_game(server, work, table, logs):
    """The server's log and the four players' logs obey the rules and agree seat by seat."""
    server_log = os.path.join(server.game_log, f"table{table}.jsonl")
    for path in [server_log, *logs]:
        ok, text = check_log(path)
        expect(ok, text)
    reference = canonical(server_log)
    for path in logs:
        other = canonical(path)
        first = next((i for i, (a, b) in enumerate(zip(reference, other)) if a != b), None)
        expect(len(other) == len(reference) and first is None,
               f"{path} disagrees with the server at event {first}")
    # The checker must notice a player's log read from another seat than its own.
    with open(logs[1], encoding="utf-8") as f:
        text = f.read()
    bad = os.path.join(work, "bad.jsonl")
    with open(bad, "w", encoding="utf-8") as f:
        f.write(text.replace('"seat":2,', '"seat":3,', 1))
    expect(not check_log(bad)[0], "the checker took a log with a wrong tournament seat")


def broken_game(server, procs, logs, victim, how):
    """Kills or stops the victim mid-game; the three others must end with exit 3."""
    wait_for_game(logs[victim], procs[victim])
    procs[victim].send_signal(signal.SIGKILL if how == "kill" else signal.SIGSTOP)
    notice = "interrupted the game!" if how == "kill" else "time is up!"
    for k, proc in enumerate(procs):
        if k == victim:
            continue
        code, out, err = finish(proc)
        expect(code == 3, f"seat {k + 1} exited {code}, not 3: {out} {err[-500:]}")
        expect(notice in out and f"seat {victim + 1}" in out,
               f"seat {k + 1} did not name seat {victim + 1}: {out}")
    server_log = os.path.join(server.game_log, "table1.jsonl")
    ok, text = check_log(server_log)
    expect(ok, text)
    with open(server_log, encoding="utf-8") as f:
        summary = json.loads(f.read().splitlines()[-1])
    want = "left" if how == "kill" else "time_out"
    expect(summary["end"] == want and summary["culprit"] == victim + 1,
           f"the server's log says {summary}")


def run(opts, work):
    server = Server(opts.server, work, opts.move_seconds)
    procs = []
    try:
        start = time.time()
        logs = {}
        for table in range(1, opts.tables + 1):
            for seat in range(1, 5):
                proc, log = start_player(opts.sim, server.site, work, table, seat, opts.play,
                                         opts.think_ms)
                procs.append(proc)
                logs.setdefault(table, []).append(log)
        if opts.scenario in ("kill", "silent"):
            broken_game(server, procs, logs[1], 2, opts.scenario)
            print(f"the three others ended after the {opts.scenario} player")
            return
        results = [finish(p) for p in procs]
        wall = time.time() - start
        for k, (code, out, err) in enumerate(results):
            expect(code == 0, f"player {k} exited {code}: {out} {err[-800:]}")
        deals = sum(int(out.split("deals=")[1].split()[0]) for _, out, _ in results) // 4
        for table in range(1, opts.tables + 1):
            check_game(server, work, table, logs[table])
        server.stop()
        if opts.bench:
            print(f"tables={opts.tables} players={4 * opts.tables} games={opts.tables} "
                  f"deals={deals} wall_s={wall:.2f} server_cpu_s={server.cpu:.2f}")
        else:
            print(f"{opts.tables} table(s): {deals} deals, every log sound and in agreement")
    finally:
        for p in procs:
            if p.poll() is None:
                p.kill()
                p.wait()
        server.stop()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("server")
    ap.add_argument("sim")
    ap.add_argument("--scenario", choices=["game", "kill", "silent"], default="game")
    ap.add_argument("--tables", type=int, default=1)
    ap.add_argument("--play", default="random")
    ap.add_argument("--move-seconds", type=int, default=26)
    ap.add_argument("--think-ms", type=int, default=0, help="each player's pause before a move")
    ap.add_argument("--bench", action="store_true", help="print wall time and server CPU")
    opts = ap.parse_args()
    with tempfile.TemporaryDirectory() as work:
        try:
            run(opts, work)
        except Failure as f:
            print(f"FAIL: {f}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
