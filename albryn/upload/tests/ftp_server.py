"""A pyftpdlib server on 127.0.0.1 for the upload tests.

Prints the port it listens on as its first line, then serves until killed. Every command it
receives is appended to --log (one line each, the password masked).
"""
import argparse
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--log", default="")
    parser.add_argument("--syst", default="", help="the SYST answer instead of UNIX")
    parser.add_argument("--no-epsv", action="store_true", help="refuse EPSV")
    parser.add_argument("--masquerade", default="", help="the address PASV names")
    parser.add_argument("--throttle", type=int, default=0, help="upload bytes per second")
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    if args.user:
        authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    else:
        authorizer.add_anonymous(args.root, perm="elradfmwMT")

    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            if args.log:
                with open(args.log, "a", encoding="utf-8") as log:
                    log.write(("PASS ****" if cmd == "PASS" else line) + "\n")
            super().pre_process_command(line, cmd, arg)

        def ftp_SYST(self, line):
            if args.syst:
                self.respond("215 " + args.syst)
            else:
                super().ftp_SYST(line)

        def ftp_EPSV(self, line):
            if args.no_epsv:
                self.respond("502 EPSV not implemented.")
            else:
                super().ftp_EPSV(line)

    Handler.authorizer = authorizer
    Handler.permit_foreign_addresses = False
    if args.masquerade:
        Handler.masquerade_address = args.masquerade
    if args.throttle:
        class Throttled(ThrottledDTPHandler):
            read_limit = args.throttle
        Handler.dtp_handler = Throttled

    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
