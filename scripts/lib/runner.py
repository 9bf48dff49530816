"""What the project's Python scripts share: running a command with a time
limit, a source file edited for a while and put back, and the display and
Wine settings, which come from scripts/lib/common.sh (their one place)."""
import contextlib
import os
import signal
import subprocess
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
COMMON = os.path.join(ROOT, "scripts", "lib", "common.sh")


def run(command, timeout=None, env=None, cwd=ROOT):
    """(exit code, output); (-1, "timeout") when it does not finish in time.
    The command runs in a process group of its own, which a timeout or
    Ctrl-C ends whole (a Wine program and the shell that started it)."""
    # Output goes to a file, not a pipe: Wine's helper processes inherit it
    # and outlive the program, and a pipe would stay open until the timeout.
    with tempfile.TemporaryFile() as output:
        process = subprocess.Popen(command, cwd=cwd, stdout=output, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, env=env, start_new_session=True)
        try:
            code = process.wait(timeout)
        except BaseException as stop:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            if isinstance(stop, subprocess.TimeoutExpired):
                return -1, "timeout"
            raise
        output.seek(0)
        return code, output.read().decode(errors="replace")


def read(path):
    with open(path, encoding="latin-1", newline="") as f:
        return f.read()


def write(path, text):
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write(text)


@contextlib.contextmanager
def edited(path, text, keep_time=False):
    """The file at path holds text while the block runs, and its own text
    again afterwards, also on failure or Ctrl-C; with keep_time its own
    modification time too (so that a build sees no change)."""
    original = read(path)
    stat = os.stat(path)
    try:
        write(path, text)
        yield
    finally:
        write(path, original)
        if keep_time:
            os.utime(path, ns=(stat.st_atime_ns, stat.st_mtime_ns))


def shell(function, env=None):
    """Runs a function of common.sh; its standard output."""
    done = subprocess.run(["bash", "-c", 'source "$0" && "$1"', COMMON, function], env=env,
                          stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, check=True)
    return done.stdout.decode()


def start_display():
    """Starts Xvfb (common.sh) and sets DISPLAY unless DISPLAY is set; the
    server's process id, or None."""
    if os.environ.get("DISPLAY"):
        return None
    display, pid = shell("zr8_start_xvfb_report").split()
    os.environ["DISPLAY"] = display
    return pid


def stop_wine_and_display(xvfb):
    """Ends the Wine server of the prefix, then the Xvfb of start_display."""
    shell("zr8_stop_wine")
    if xvfb is not None:
        shell("zr8_stop_xvfb", env=dict(os.environ, ZR8_XVFB_PID=xvfb))
