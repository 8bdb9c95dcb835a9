#!/usr/bin/env python3
"""The language server through a real pipe, on a 1 MB Markdown document, against cspell.

    bench/language_server_pipe.py [--morvane PATH] [--runs N] [--peer-runs N] [--no-peer]

Makes a Markdown document of about --size bytes (1 MiB) from the dictionary's words and the
misspelling corpus (fixed seed): paragraphs wrapped at 80 columns (--wrap) with about 1% misspelt
words, accented words and emoji, headings, code spans and fenced blocks. Then starts
`morvane-check --lsp` with an empty personal word list and times, as the client sees them:
didOpen to its publishDiagnostics (the last byte of it read), a one-character incremental
didChange to the new diagnostics, and a codeAction on a misspelling to its response, each
repeated --runs times (medians); and the server's peak memory (VmHWM), whole and as growth
over the idle, initialized server's. Beside it, as whole processes on the same document:
`morvane-check -l < doc` and `cspell lint` (cspell 8 from the npm registry, installed into
build/bench-peers on first use; NOT RUN with the reason when it cannot be).
Python 3's standard library only.
"""
import argparse
import json
import os
import random
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

ACCENTED = ["café", "naïve", "mañana", "façade", "résumé", "jalapeño", "über", "crème", "brûlée", "Zürich",
            "déjà", "piñata", "coöperate", "São", "smörgåsbord"]
EMOJI = ["🎉", "🙂", "🚀", "✨", "📚", "👍🏽", "🇫🇷"]


# ---- The document ---------------------------------------------------------------------------

def read_words(path):
    with open(path, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip()]


def make_document(entries, misspellings, size, seed, wrap):
    """The text and the misspellings planted in its prose (in order): each would be flagged."""
    rng = random.Random(seed)
    known = {w.lower() for w in entries}
    prose = [w for w in entries if w.replace("'", "").isalpha() and w.isascii()]
    misspelt = [w for w in misspellings if w.isascii() and w.isalpha() and w.lower() not in known]
    planted = []
    lines = []
    size_so_far = 0

    def add(line):
        nonlocal size_so_far
        lines.append(line)
        size_so_far += len(line.encode("utf-8")) + 1

    def prose_token():
        roll = rng.random()
        if roll < 0.01:
            planted.append(rng.choice(misspelt))
            return planted[-1]
        if roll < 0.02:
            return rng.choice(ACCENTED)
        if roll < 0.025:
            return rng.choice(EMOJI)
        if roll < 0.035:  # code is not checked, misspelt or not
            return "`" + rng.choice(prose).lower() + "_" + rng.choice(misspelt) + "()`"
        return rng.choice(prose)

    paragraph = 0
    while size_so_far < size:
        if paragraph % 12 == 0:
            add("## " + " ".join(rng.choice(prose).capitalize() for _ in range(rng.randint(2, 5))))
            add("")
        if paragraph % 40 == 39:
            add("```python")
            for _ in range(rng.randint(3, 8)):
                add(f"def {rng.choice(misspelt)}_{rng.choice(prose).lower()}(): return '{rng.choice(misspelt)}'")
            add("```")
            add("")
        words = []
        sentence = 0
        for _ in range(rng.randint(40, 140)):
            token = prose_token()
            sentence += 1
            if sentence == 1:
                token = token[:1].upper() + token[1:]
            if sentence > rng.randint(6, 20):
                token += "."
                sentence = 0
            elif rng.random() < 0.05:
                token += ","
            words.append(token)
        words[-1] = words[-1].rstrip(".,") + "."
        line = ""
        for word in words:  # wrapped, as most Markdown is written; 0: a paragraph a line
            if line and wrap and len(line) + 1 + len(word) > wrap:
                add(line)
                line = word
            else:
                line = f"{line} {word}" if line else word
        add(line)
        add("")
        paragraph += 1
    return "\n".join(lines) + "\n", planted


# ---- The server, spoken to over its pipes ---------------------------------------------------

class Server:
    def __init__(self, command):
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, bufsize=0)
        self.output = self.process.stdout
        self.next_id = 1

    @staticmethod
    def framed(message):
        body = json.dumps(message, ensure_ascii=False).encode("utf-8")
        return b"Content-Length: %d\r\n\r\n" % len(body) + body

    def send(self, framed):
        self.process.stdin.write(framed)
        self.process.stdin.flush()

    def read_exactly(self, n):
        data = bytearray()
        while len(data) < n:
            piece = self.output.read(n - len(data))
            if not piece:
                sys.exit("language_server_pipe: the server ended its output in the middle of a message")
            data += piece
        return bytes(data)

    def read_message(self):
        """The next message's body and the time its last byte arrived."""
        length = None
        header = b""
        while True:
            c = self.output.read(1)
            if not c:
                sys.exit(f"language_server_pipe: the server ended (status {self.process.wait()})")
            header += c
            if header.endswith(b"\r\n"):
                line = header[:-2]
                header = b""
                if not line:
                    break
                name, _, value = line.partition(b":")
                if name.strip().lower() == b"content-length":
                    length = int(value)
        body = self.read_exactly(length)
        return body, time.perf_counter()

    def wait_for(self, matches):
        while True:
            body, arrived = self.read_message()
            message = json.loads(body)
            if matches(message):
                return message, len(body), arrived

    def request(self, method, params):
        request_id = self.next_id
        self.next_id += 1
        framed = self.framed({"jsonrpc": "2.0", "id": request_id, "method": method, "params": params})
        start = time.perf_counter()
        self.send(framed)
        message, _, arrived = self.wait_for(lambda m: m.get("id") == request_id)
        if "error" in message:
            sys.exit(f"language_server_pipe: {method} failed: {message['error']}")
        return message["result"], arrived - start

    def notify_and_wait_for_diagnostics(self, method, params, uri):
        """Seconds from the first byte sent to the last byte of the document's diagnostics."""
        framed = self.framed({"jsonrpc": "2.0", "method": method, "params": params})
        start = time.perf_counter()
        self.send(framed)
        message, size, arrived = self.wait_for(
            lambda m: m.get("method") == "textDocument/publishDiagnostics" and m["params"]["uri"] == uri)
        return message["params"]["diagnostics"], size, arrived - start

    def peak_kib(self):
        return status_kib(self.process.pid, "VmHWM")

    def processor_seconds(self):
        """The server's user and system time so far (in clock ticks: sum many steps)."""
        with open(f"/proc/{self.process.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def status_kib(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    raise RuntimeError(f"no {field} in /proc/{pid}/status")


def mean_processor(total, runs):
    """The mean per run, or None where the total is too few clock ticks to tell."""
    return total / runs if total >= 20 / os.sysconf("SC_CLK_TCK") else None


def utf16_length(text):
    return len(text.encode("utf-16-le")) // 2


def measure_server(morvane, personal, text, runs):
    uri = "file:///bench/document.md"
    server = Server([morvane, "--lsp", "-p", personal])
    server.request("initialize", {"processId": os.getpid(), "rootUri": None, "capabilities": {}})
    server.send(server.framed({"jsonrpc": "2.0", "method": "initialized", "params": {}}))
    idle_kib = server.peak_kib()

    document = {"uri": uri, "languageId": "markdown", "version": 1, "text": text}
    opens = []
    diagnostics = []
    list_bytes = 0
    open_peak_kib = None
    open_processor = 0.0
    for run in range(runs):
        before = server.processor_seconds()
        diagnostics, list_bytes, seconds = server.notify_and_wait_for_diagnostics(
            "textDocument/didOpen", {"textDocument": document}, uri)
        opens.append(seconds)
        open_processor += server.processor_seconds() - before
        if open_peak_kib is None:
            open_peak_kib = server.peak_kib()
        if run + 1 < runs:
            server.notify_and_wait_for_diagnostics("textDocument/didClose", {"textDocument": {"uri": uri}}, uri)

    # A character typed after the first word of a prose line, and taken out again, on lines
    # spread over the middle of the document.
    lines = text.split("\n")
    prose_lines = [i for i, line in enumerate(lines)
                   if line[:1].isalpha() and " " in line and i > len(lines) // 4 and i < 3 * len(lines) // 4]
    edits = []
    edit_list_bytes = []
    version = 1
    edit_runs = 5 * runs  # cheap, and many are needed to sum the processor time's ticks
    before = server.processor_seconds()
    for run in range(edit_runs):
        line = prose_lines[run * len(prose_lines) // edit_runs]
        column = utf16_length(lines[line][:lines[line].index(" ")])
        for change in ({"range": {"start": {"line": line, "character": column},
                                  "end": {"line": line, "character": column}}, "text": "x"},
                       {"range": {"start": {"line": line, "character": column},
                                  "end": {"line": line, "character": column + 1}}, "text": ""}):
            version += 1
            _, size, seconds = server.notify_and_wait_for_diagnostics(
                "textDocument/didChange",
                {"textDocument": {"uri": uri, "version": version}, "contentChanges": [change]}, uri)
            edits.append(seconds)
            edit_list_bytes.append(size)
    edit_processor = server.processor_seconds() - before

    actions = []
    action_counts = []
    before = server.processor_seconds()
    for run in range(runs):
        diagnostic = diagnostics[(2 * run + 1) * len(diagnostics) // (2 * runs)]
        result, seconds = server.request("textDocument/codeAction", {
            "textDocument": {"uri": uri}, "range": diagnostic["range"],
            "context": {"diagnostics": [diagnostic]}})
        actions.append(seconds)
        action_counts.append(len(result))
    action_processor = server.processor_seconds() - before
    final_peak_kib = server.peak_kib()

    server.request("shutdown", None)
    server.send(server.framed({"jsonrpc": "2.0", "method": "exit"}))
    status = server.process.wait()
    if status != 0:
        sys.exit(f"language_server_pipe: the server exited with status {status}")
    return {
        "open": opens, "edit": edits, "action": actions, "diagnostics": len(diagnostics),
        "open_processor": mean_processor(open_processor, runs),
        "edit_processor": mean_processor(edit_processor, len(edits)),
        "action_processor": mean_processor(action_processor, runs),
        "list_bytes": list_bytes, "edit_list_bytes": statistics.median(edit_list_bytes),
        "actions_per_request": statistics.median(action_counts),
        "idle_kib": idle_kib, "open_peak_kib": open_peak_kib, "final_peak_kib": final_peak_kib,
    }


# ---- Whole processes: morvane-check -l and cspell -------------------------------------------

def run_whole(command, stdin_path=None, cwd=None):
    """Wall and processor seconds of one run, and its standard output."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    with open(stdin_path or os.devnull, "rb") as stdin:
        done = subprocess.run(command, stdin=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE, cwd=cwd,
                              check=False)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu, done


def medians(runs):
    return statistics.median(r[0] for r in runs), statistics.median(r[1] for r in runs)


def install_cspell(folder):
    """The cspell program, installed into folder if it is not there yet; or why it cannot be."""
    program = os.path.join(folder, "node_modules", ".bin", "cspell")
    if os.path.exists(program):
        return program, None
    if not shutil.which("npm") or not shutil.which("node"):
        return None, "node and npm are not installed"
    print(f"installing cspell 8 into {os.path.relpath(folder)} ...", file=sys.stderr, flush=True)
    try:
        done = subprocess.run(["npm", "install", "--prefix", folder, "--no-audit", "--no-fund", "cspell@8"],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=600, check=False)
    except subprocess.TimeoutExpired:
        return None, "npm install cspell@8 took over 10 minutes"
    if done.returncode != 0 or not os.path.exists(program):
        last = done.stdout.decode(errors="replace").strip().splitlines()[-1:] or ["no output"]
        return None, f"npm install cspell@8 failed: {last[0]}"
    return program, None


def measure_cspell(program, document, folder, runs):
    config = os.path.join(folder, "cspell.json")
    with open(config, "w") as f:
        json.dump({"version": "0.2", "language": "en", "languageSettings": []}, f)
    command = [program, "lint", "--no-progress", "--no-summary", "--no-cache", "--config", config, document]
    results = [run_whole(command, cwd=folder) for _ in range(runs)]
    done = results[0][2]
    if done.returncode not in (0, 1):
        return None, f"cspell exited with {done.returncode}: {done.stderr.decode(errors='replace').strip()[:200]}"
    version = subprocess.run([program, "--version"], stdout=subprocess.PIPE, check=False).stdout.decode().strip()
    found = sum(1 for line in done.stdout.decode(errors="replace").splitlines() if "Unknown word" in line)
    return {"runs": results, "found": found, "version": version}, None


# ---- Report ---------------------------------------------------------------------------------

def ms(seconds):
    return f"{seconds * 1e3:9.2f} ms" if seconds is not None else "   (ticks)  "


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    build = os.path.join(ROOT, "build", "native", "bin")
    parser.add_argument("--morvane", default=os.path.join(build, "morvane-check"))
    parser.add_argument("--dictionary", help="the words the document is made of (default: beside --morvane)")
    parser.add_argument("--corpus", default=os.path.join(HERE, "corpus", "misspellings.txt"))
    parser.add_argument("--size", type=int, default=1 << 20, help="the document's size in bytes (1 MiB)")
    parser.add_argument("--seed", type=int, default=20)
    parser.add_argument("--wrap", type=int, default=80, help="the paragraphs' width; 0: each paragraph one line")
    parser.add_argument("--runs", type=int, default=21, help="repeats of each timed server step")
    parser.add_argument("--list-runs", type=int, default=11, help="runs of morvane-check -l")
    parser.add_argument("--peer-runs", type=int, default=3, help="runs of cspell")
    parser.add_argument("--peers", default=os.path.join(ROOT, "build", "bench-peers"),
                        help="where cspell is installed")
    parser.add_argument("--no-peer", action="store_true", help="leave cspell out")
    args = parser.parse_args()
    dictionary = args.dictionary or os.path.join(os.path.dirname(args.morvane), "Morvane.dictionary")

    text, planted = make_document(read_words(dictionary), read_words(args.corpus), args.size, args.seed,
                                   args.wrap)
    encoded = text.encode("utf-8")
    size = len(encoded)
    with tempfile.TemporaryDirectory() as folder:
        personal = os.path.join(folder, "personal-words")  # empty: nobody's own list counts
        document = os.path.join(folder, "document.md")
        with open(document, "wb") as f:
            f.write(encoded)
        print(f"document: {size} bytes, {text.count(chr(10))} lines, {len(text.split())} words, "
              f"{len(planted)} misspellings planted in its prose (seed {args.seed})")

        server = measure_server(args.morvane, personal, text, args.runs)
        print("language server (morvane-check --lsp over a pipe): median wall-clock time as the client sees it; "
              "the server's mean processor time")
        def step(name, kind, note):
            print(f"  {name:31} {ms(statistics.median(server[kind]))} {ms(server[kind + '_processor'])}   {note}")

        step("didOpen to its diagnostics", "open", f"(target 50 ms; {len(server['open'])} runs; "
             f"{server['diagnostics']} diagnostics, the list {server['list_bytes']} bytes)")
        step("one-character edit to its list", "edit", f"(target 10 ms; {len(server['edit'])} edits, "
             f"the list {server['edit_list_bytes']:.0f} bytes)")
        step("codeAction to its answer", "action", f"(target 1 ms; {len(server['action'])} runs, "
             f"{server['actions_per_request']:.0f} actions each)")
        growth = server["open_peak_kib"] - server["idle_kib"]
        print(f"  peak memory (VmHWM): idle {server['idle_kib'] / 1024:.1f} MiB; with the document open "
              f"{server['open_peak_kib'] / 1024:.1f} MiB, growth {growth / 1024:.1f} MiB = "
              f"{growth * 1024 / size:.2f}x the document (target 3x); after every step "
              f"{server['final_peak_kib'] / 1024:.1f} MiB")
        if server["diagnostics"] != len(planted):
            print(f"  note: {len(planted)} misspellings were planted but {server['diagnostics']} flagged")

        command = [args.morvane, "-l", "-p", personal]
        listed = [run_whole(command, document) for _ in range(args.list_runs)]
        list_wall, list_cpu = medians(listed)
        list_found = listed[0][2].stdout.count(b"\n")
        print("whole processes on the same document:")
        print(f"  morvane-check -l  median of {args.list_runs:2}: {ms(list_wall)} wall, {ms(list_cpu)} processor; "
              f"{list_found} unknown words")

        if args.no_peer:
            print("  cspell            NOT RUN: --no-peer")
            return
        program, reason = install_cspell(os.path.abspath(args.peers))
        peer = None
        if program:
            peer, reason = measure_cspell(program, document, folder, args.peer_runs)
        if not peer:
            print(f"  cspell            NOT RUN: {reason}")
            return
        peer_wall, peer_cpu = medians(peer["runs"])
        print(f"  cspell {peer['version']:9} median of {args.peer_runs:2}: {ms(peer_wall)} wall, {ms(peer_cpu)} "
              f"processor; {peer['found']} unknown words")
        print(f"  Morvane (-l) is {peer_wall / list_wall:.0f} times faster than cspell (wall), "
              f"{peer_cpu / max(list_cpu, 1e-9):.0f} times (processor) (goal: 100); "
              f"the server's diagnostics came {ms(statistics.median(server['open'])).strip()} after didOpen")


if __name__ == "__main__":
    main()
