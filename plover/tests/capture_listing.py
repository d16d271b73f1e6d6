#!/usr/bin/python3
"""Captures the LIST reply of a real FTP server on loopback, written raw to stdout.

usage: capture_listing.py pyftpdlib|vsftpd

Builds a folder with the kinds of entries listings must carry (a folder, files with spaces and
pattern characters in their names, a link, a hidden file, sparse files above 2 GB and 4 GB, a
non-ASCII name, a file dated 1999), serves it anonymously on 127.0.0.1 at a free port, and
prints the reply of LIST exactly as it arrived (line ends included).
"""
import ftplib
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time

ENTRIES = ["a b  c.txt", "(x)[y]+z*.dat", "fête.jpg"]


def make_folder(root):
    os.mkdir(os.path.join(root, "sub dir"))
    for name in ENTRIES:
        with open(os.path.join(root, name), "w") as f:
            f.write("hello")
    with open(os.path.join(root, ".hidden"), "w") as f:
        f.write("h")
    for name, size in (("big3g.iso", 3 * 2**30), ("big5g.iso", 5 * 2**30)):
        with open(os.path.join(root, name), "wb") as f:
            f.truncate(size)
    with open(os.path.join(root, "old.txt"), "w") as f:
        f.write("old")
    os.utime(os.path.join(root, "old.txt"), (915000000, 915000000))  # January 1999
    os.symlink("old.txt", os.path.join(root, "link"))


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def list_reply(port, deadline=20):
    end = time.time() + deadline
    while True:
        try:
            ftp = ftplib.FTP()
            ftp.encoding = "utf-8"
            ftp.connect("127.0.0.1", port, timeout=10)
            break
        except OSError:
            if time.time() > end:
                raise
            time.sleep(0.1)
    ftp.login()
    chunks = []
    ftp.retrbinary("LIST", chunks.append)
    ftp.quit()
    return b"".join(chunks)


def serve_pyftpdlib(root, port):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer
    import logging
    logging.disable(logging.CRITICAL)
    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(root)
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.use_encoding = "utf8"
    server = FTPServer(("127.0.0.1", port), handler)
    thread = threading.Thread(target=server.serve_forever, kwargs={"timeout": 0.2}, daemon=True)
    thread.start()
    try:
        return list_reply(port)
    finally:
        server.close_all()


def serve_vsftpd(root, port, work):
    empty = os.path.join(work, "empty")
    os.mkdir(empty)
    config = os.path.join(work, "vsftpd.conf")
    with open(config, "w") as f:
        f.write("\n".join([
            "listen=YES", "listen_address=127.0.0.1", f"listen_port={port}", "background=NO",
            "anonymous_enable=YES", "local_enable=NO", "write_enable=NO", "no_anon_password=YES",
            f"anon_root={root}", "force_dot_files=YES", "seccomp_sandbox=NO",
            f"secure_chroot_dir={empty}", "pasv_enable=YES", "pasv_address=127.0.0.1",
            "xferlog_enable=NO", "use_localtime=YES", "run_as_launching_user=YES",
            "check_shell=NO", "", ""]))
    server = subprocess.Popen(["/usr/sbin/vsftpd", config], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        return list_reply(port)
    finally:
        server.terminate()
        server.wait(timeout=10)


def main():
    kind = sys.argv[1]
    with tempfile.TemporaryDirectory() as work:
        root = os.path.join(work, "site")
        os.mkdir(root)
        os.chmod(root, 0o755)
        make_folder(root)
        port = free_port()
        reply = serve_pyftpdlib(root, port) if kind == "pyftpdlib" else serve_vsftpd(root, port, work)
    sys.stdout.buffer.write(reply)


if __name__ == "__main__":
    main()
