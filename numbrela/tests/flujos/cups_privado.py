"""A print server of the scenario's own: cupsd with a private configuration folder and socket
and one cups-pdf queue, NumbrelaPDF, the default. The program reaches it through
CUPS_SERVER; cups-pdf writes each job as a PDF into the PDF folder of the job's owner."""
import fcntl
import os
import pwd
import shutil
import subprocess
import tempfile
import time

from flowkit import Skip

COLA = "NumbrelaPDF"
PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"


def _programa(nombre):
    for d in ("/usr/sbin", "/usr/bin", "/sbin", "/bin"):
        if os.access(os.path.join(d, nombre), os.X_OK):
            return os.path.join(d, nombre)
    raise Skip(f"{nombre} is not installed (scripts/install-deps.sh installs it)")


class ServidorCups:
    def __enter__(self):
        cupsd, lpadmin = _programa("cupsd"), _programa("lpadmin")
        # Every queue's files land in the one PDF folder of the job's owner: the window
        # tests and scenarios that print through a queue take turns on this lock.
        self.turno = open("/tmp/numbrela-cups-pdf.lock", "a")
        fcntl.flock(self.turno, fcntl.LOCK_EX)
        if not os.path.exists("/usr/lib/cups/backend/cups-pdf") or not os.path.exists(PPD):
            raise Skip("printer-driver-cups-pdf is not installed")
        self.d = d = tempfile.mkdtemp(prefix="cups-")
        self.socket = os.path.join(d, "cups.sock")
        for sub in ("cache", "state", "spool", "tmp", "ppd"):
            os.makedirs(os.path.join(d, sub))
        # The filters run as the daemon's unprivileged user.
        os.chmod(d, 0o755)
        os.chmod(os.path.join(d, "tmp"), 0o1777)
        with open(os.path.join(d, "cupsd.conf"), "w") as f:
            f.write(f"Listen {self.socket}\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                    "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                    "</Location>\n<Location /admin>\n  Order allow,deny\n  Allow all\n"
                    "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                    "  </Limit>\n</Policy>\n")
        with open(os.path.join(d, "cups-files.conf"), "w") as f:
            f.write(f"ServerRoot {d}\nCacheDir {d}/cache\nStateDir {d}/state\n"
                    f"RequestRoot {d}/spool\nTempDir {d}/tmp\nErrorLog {d}/error_log\n"
                    f"AccessLog {d}/access_log\nPageLog {d}/page_log\n"
                    "FileDevice No\nSandboxing Relaxed\n")
        self.proc = subprocess.Popen([cupsd, "-f", "-c", f"{d}/cupsd.conf", "-s",
                                      f"{d}/cups-files.conf"], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.STDOUT)
        fin = time.monotonic() + 15
        while not os.path.exists(self.socket) and self.proc.poll() is None and \
                time.monotonic() < fin:
            time.sleep(0.05)
        if not os.path.exists(self.socket):
            self.__exit__()
            raise Skip("the CUPS daemon could not start here")
        for args in (["-p", COLA, "-E", "-v", "cups-pdf:/", "-P", PPD], ["-d", COLA]):
            r = subprocess.run([lpadmin, "-h", self.socket, *args], capture_output=True,
                               text=True, timeout=30)
            if r.returncode != 0:
                self.__exit__()
                raise Skip(f"lpadmin failed: {r.stderr.strip()}")
        self.salida = os.path.join(pwd.getpwuid(os.getuid()).pw_dir, "PDF")
        self.antes = set(os.listdir(self.salida)) if os.path.isdir(self.salida) else set()
        return self

    def nuevos(self, prefijo="Numbrela"):
        """The PDF files the queue wrote since the server started."""
        if not os.path.isdir(self.salida):
            return []
        return sorted(f for f in set(os.listdir(self.salida)) - self.antes
                      if f.startswith(prefijo) and f.endswith(".pdf"))

    def registro(self):
        try:
            with open(os.path.join(self.d, "error_log"), errors="replace") as f:
                return f.read()[-2000:]
        except OSError:
            return ""

    def __exit__(self, *exc):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
        for f in self.nuevos("") if hasattr(self, "salida") else []:
            os.remove(os.path.join(self.salida, f))
        shutil.rmtree(self.d, ignore_errors=True)
        self.turno.close()
