"""The engine of the deliberate-fault scripts (scripts/faults-*).

Each script gives a table of faults and a plan: which targets a fault
rebuilds and which test programs must then fail. The engine applies one
fault at a time, rebuilds, runs the programs and puts the source back with
git checkout, also on failure or Ctrl-C; at the end it rebuilds what the
faults touched and prints a table. Command line of every fault script:

    scripts/faults-NAME [N...]       run every fault, or only those numbered
    scripts/faults-NAME check        only check that every fault still applies
    scripts/faults-NAME save PREFIX  copy the test programs to PREFIX<name>

ZR8_FAULTS=3,8 also chooses faults. With ZR8_FAULTS_PREFIX=PREFIX the faults
run against the saved copies instead (tests from before a change, against
today's library). A fault is caught when a program fails or does not finish
in time. Windows programs run under Wine with ZR8_WINEPREFIX on the display
in DISPLAY, or on an Xvfb started for the run.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TIMEOUT = 300


class Fault:
    """One fault: edits (text, faulty text) to one source file, and what a host would see."""

    def __init__(self, path, old, new, what, where=None):
        self.path = path
        self.edits = old if isinstance(old, list) else [(old, new)]
        self.what = what
        self.where = where  # the script's own key for its plan, when the path is not enough


class Plan:
    """What a fault rebuilds and runs: builds (preset, [targets]); programs (preset, name, [arguments])."""

    def __init__(self, builds, programs):
        self.builds = builds
        self.programs = programs


def run(command, timeout=None, env=None, cwd=ROOT):
    """(exit code, output); (-1, "timeout") when it does not finish in time."""
    # Output goes to a file, not a pipe: Wine's helper processes inherit it
    # and outlive the program, and a pipe would stay open until the timeout.
    with tempfile.TemporaryFile() as output:
        try:
            code = subprocess.run(command, cwd=cwd, stdout=output, stderr=subprocess.STDOUT,
                                  stdin=subprocess.DEVNULL, timeout=timeout, env=env).returncode
        except subprocess.TimeoutExpired:
            return -1, "timeout"
        output.seek(0)
        return code, output.read().decode(errors="replace")


def wine_env(**extra):
    """The environment a test program runs in under Wine, with extra variables."""
    env = dict(os.environ)
    env.update(WINEPREFIX=os.environ.get("ZR8_WINEPREFIX", "/opt/zr8wlib-wine"), WINEDEBUG="-all",
               WINEARCH="win64", LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8", WINEDLLOVERRIDES="mscoree,mshtml=")
    env.update(extra)
    return env


def _wineserver(option):
    # Not through a pipe: the persistent server keeps its output open.
    subprocess.run(["wineserver", option] + (["300"] if option == "-p" else []), env=wine_env(),
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def faulty_text(path, edits):
    """The text of the source at path (from the root) with each (text, faulty text) edit made once."""
    with open(os.path.join(ROOT, path), encoding="latin-1", newline="") as f:
        text = f.read()
    for old, new in edits:
        if text.count(old) != 1:
            raise SystemExit("%s: the text of a fault occurs %d times:\n%s" % (path, text.count(old), old))
        text = text.replace(old, new)
    return text


def _program_path(preset, name, prefix=""):
    return os.path.join(ROOT, "build", preset, "bin", prefix + name + (".exe" if preset == "windows" else ""))


def _build(builds):
    for preset, targets in builds:
        code, _ = run(["cmake", "--build", os.path.join(ROOT, "build", preset), "-j", "2", "--target"] + targets)
        if code != 0:
            return False
    return True


def _failed_tests(log):
    names = sorted({line.split()[3] for line in log.splitlines()
                    if line.startswith("[  FAILED  ]") and len(line.split()) > 3 and "." in line.split()[3]})
    return "caught (" + ", ".join(names) + ")" if names else "caught"


def _outcome(plan, prefix):
    """'caught (failing tests)', 'MISSED' or 'does not build'."""
    if not _build(plan.builds):
        return "does not build"
    for preset, name, arguments in plan.programs:
        program = _program_path(preset, name, prefix)
        folder = os.path.dirname(program)
        if preset == "windows":
            code, log = run(["wine", program, "--gtest_brief=1"] + arguments, TIMEOUT, wine_env(), folder)
        else:
            code, log = run([program, "--gtest_brief=1"] + arguments, TIMEOUT, cwd=folder)
        if code == -1 and log == "timeout":
            return "caught (timed out)"
        if code != 0:
            return _failed_tests(log)
    return "MISSED"


def start_display():
    """Starts Xvfb on a free display unless DISPLAY is set; the process, or None."""
    if os.environ.get("DISPLAY"):
        return None
    display = next(n for n in range(90, 190) if not os.path.exists("/tmp/.X11-unix/X%d" % n)
                   and not os.path.exists("/tmp/.X%d-lock" % n))
    xvfb = subprocess.Popen(["Xvfb", ":%d" % display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = ":%d" % display
    for _ in range(100):
        if os.path.exists("/tmp/.X11-unix/X%d" % display):
            break
        time.sleep(0.05)
    return xvfb


def _save(faults, plan, prefix):
    programs = {(preset, name) for fault in faults for preset, name, _ in plan(fault).programs}
    for preset, name in sorted(programs):
        shutil.copy2(_program_path(preset, name), _program_path(preset, name, prefix))
        print("saved", _program_path(preset, name, prefix))
    return 0


def main(faults, plan):
    """Runs the command line of a fault script; plan(fault) gives the fault's Plan."""
    args = sys.argv[1:]
    for fault in faults:
        faulty_text(fault.path, fault.edits)
    if args == ["check"]:
        print("%d faults apply" % len(faults))
        return 0
    if len(args) == 2 and args[0] == "save":
        return _save(faults, plan, args[1])
    if any(not a.isdigit() for a in args):
        sys.exit(__doc__)
    chosen = {int(a) for a in args} | {int(n) for n in os.environ.get("ZR8_FAULTS", "").split(",") if n}
    prefix = os.environ.get("ZR8_FAULTS_PREFIX", "")
    xvfb = start_display()
    _wineserver("-p")
    rows = []
    touched = []
    try:
        for number, fault in enumerate(faults, 1):
            if chosen and number not in chosen:
                continue
            text = faulty_text(fault.path, fault.edits)
            touched.append(fault)
            try:
                with open(os.path.join(ROOT, fault.path), "w", encoding="latin-1", newline="") as f:
                    f.write(text)
                result = _outcome(plan(fault), prefix)
            finally:
                subprocess.run(["git", "checkout", "--", fault.path], cwd=ROOT, check=True)
            rows.append((number, fault, result))
            print("%2d %-18s %-52s %s" % (number, os.path.basename(fault.path), fault.what, result), flush=True)
    finally:
        rebuilt = set()
        for fault in touched:
            for preset, targets in plan(fault).builds:
                if (preset, tuple(targets)) not in rebuilt:
                    rebuilt.add((preset, tuple(targets)))
                    _build([(preset, targets)])
        _wineserver("-k")
        if xvfb is not None:
            xvfb.terminate()
            xvfb.wait()
    missed = sum(1 for _, _, result in rows if not result.startswith("caught"))
    print("\n| # | file | fault | result |\n|---|---|---|---|")
    for number, fault, result in rows:
        print("| %d | %s | %s | %s |" % (number, os.path.basename(fault.path), fault.what, result))
    print("\n%d faults, %d caught, %d not caught" % (len(rows), len(rows) - missed, missed))
    return 1 if missed else 0
