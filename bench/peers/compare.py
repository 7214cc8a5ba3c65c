"""brenno-cli side by side with its peers, whole processes on this machine:
the heavy FILT of the sample against plain Python, the transcendental FILT
against numpy (each CSV checked byte for byte against brenno-cli's), the
FILT of the sample at the term cap, and the start of a short text run.
Prints the medians of paired runs and the ratios, of wall time and of
processor time (user and system, all threads): on a busy machine the wall
time includes the wait for a free core."""

import argparse
import json
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))

PROGRAMS = {
    "sample": "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\n"
              "FILT 4.0, 0.0, 4.0, 0.2;\r\nPROBE H(s);\r\n/* 0-order Hold (sampling period 1.2sec) */\r\n",
    "transcendental": "H(s) = exp(-0.1*s)*sinh(0.5*sqrt(s))/sinh(sqrt(s))/s;\r\nPROBE H(s);\r\n",
}

HEAVY_FILT = ["--start", "0.01", "--end", "5", "--count", "2048", "--filt", "4,0,200,0.2"]
CAPPED_FILT = ["--start", "0.01", "--end", "5", "--count", "2048", "--filt", "4,0,1e9,0.2"]


def processor_seconds():
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    return used.ru_utime + used.ru_stime


def run(command):
    """Seconds of wall time and of processor time, and the standard output."""
    start, start_processor = time.perf_counter(), processor_seconds()
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start, processor_seconds() - start_processor, done.stdout


def medians(times):
    return statistics.median(t[0] for t in times), statistics.median(t[1] for t in times)


def side_by_side(ours, theirs, rounds):
    """Medians (wall, processor) of each, run in pairs whose order alternates."""
    our_times, their_times = [], []
    for i in range(rounds):
        pair = [(ours, our_times), (theirs, their_times)]
        for command, times in pair if i % 2 == 0 else reversed(pair):
            times.append(run(command)[:2])
    return medians(our_times), medians(their_times)


def peer_command(peer, function):
    script = os.path.join(HERE, "filt_%s.py" % peer)
    return [sys.executable, script, function] + HEAVY_FILT


def compare_with_peer(cli, files, function, peer, target, rounds):
    ours = [cli, "filt"] + HEAVY_FILT + [files[function]]
    theirs = peer_command(peer, function)
    same = run(ours)[2] == run(theirs)[2]
    (our_wall, our_processor), (their_wall, their_processor) = side_by_side(ours, theirs, rounds)
    print("heavy FILT, %s: brenno-cli %.3f s (%.3f s processor), %s %.3f s (%.3f s processor)" % (
        function, our_wall, our_processor, "plain Python" if peer == "plain" else "numpy", their_wall,
        their_processor))
    print("    %.1f x faster, %.1f x less processor time (target %g x); CSV %s" % (
        their_wall / our_wall, their_processor / our_processor, target, "identical" if same else "DIFFERS"))
    return same


def capped_filt(cli, files, rounds):
    wall, processor = medians([run([cli, "filt"] + CAPPED_FILT + [files["sample"]])[:2] for _ in range(rounds)])
    print("FILT at the term cap, sample: brenno-cli %.3f s (%.3f s processor; target below 1 s)" % (wall, processor))


# The floor of any start on this machine: a C++ program that does nothing but
# load the C++ runtime, as brenno-cli does.
EMPTY_CXX_PROGRAM = "#include <string>\nint main(int argc, char** argv) { return std::string(argv[0]).size() == 0; }\n"


def empty_cxx_program(folder):
    source = os.path.join(folder, "empty.cpp")
    with open(source, "w") as out:
        out.write(EMPTY_CXX_PROGRAM)
    program = os.path.join(folder, "empty-cxx")
    subprocess.run(["c++", "-O2", source, "-o", program], check=True)
    return program


def text_run_start(cli, files, folder):
    """A two-point Bode run to standard output beside the floors of a start,
    timed together by hyperfine without a shell."""
    commands = [
        ("brenno-cli bode --count 2", "%s bode --count 2 %s" % (cli, files["sample"])),
        ("brenno-cli --version", "%s --version" % cli),
        ("an empty C++ program", empty_cxx_program(folder)),
        ("/bin/true", "/bin/true"),
    ]
    with tempfile.NamedTemporaryFile(suffix=".json") as report:
        subprocess.run(["hyperfine", "--shell=none", "--warmup", "20", "--runs", "300", "--export-json",
                        report.name, "--style", "none"] + [command for _, command in commands],
                       stdout=subprocess.DEVNULL, check=True)
        results = json.load(open(report.name))["results"]
    print("start of a text run (target below 3 ms), median and processor time:")
    for (name, _), result in zip(commands, results):
        print("  %-26s %.2f ms  %.2f ms processor" % (
            name, result["median"] * 1000, (result["user"] + result["system"]) * 1000))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("cli", help="the brenno-cli to measure")
    parser.add_argument("--rounds", type=int, default=7, help="paired runs per comparison")
    arguments = parser.parse_args()
    cli = os.path.abspath(arguments.cli)
    with tempfile.TemporaryDirectory() as folder:
        files = {}
        for name, text in PROGRAMS.items():
            files[name] = os.path.join(folder, name + ".txt")
            with open(files[name], "wb") as program:
                program.write(text.encode("ascii"))
        same = compare_with_peer(cli, files, "sample", "plain", 20, arguments.rounds)
        same &= compare_with_peer(cli, files, "transcendental", "numpy", 3, arguments.rounds)
        capped_filt(cli, files, arguments.rounds)
        text_run_start(cli, files, folder)
    sys.exit(0 if same else 1)


if __name__ == "__main__":
    main()
