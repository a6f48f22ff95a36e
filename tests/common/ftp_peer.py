#!/usr/bin/python3
"""FTP server for the tests: serves ROOT on 127.0.0.1 on a free port with one user.

The password is read from the first line of standard input, so it never stands on a command line.
The server prints its port, then serves until standard input closes or --lifetime seconds pass.
--throttle limits what it receives per second; --drop-after closes the control and the data
connection once one upload has brought that many bytes. --commands names a file that gets the
verb of every command the server receives, one a line (the server offers no TLS: AUTH is refused).
"""
import argparse
import logging
import os
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("root")
    ap.add_argument("--user", default="zucht")
    ap.add_argument("--throttle", type=int, default=0)
    ap.add_argument("--drop-after", type=int, default=0)
    ap.add_argument("--lifetime", type=int, default=300)
    ap.add_argument("--commands", default="")
    args = ap.parse_args()
    password = sys.stdin.readline().rstrip("\r\n")

    class Dtp(DTPHandler):
        # a twentieth of the limit per read and a pause of 50 ms after it (the test has the
        # server to itself, so pausing the whole loop does no harm)
        if args.throttle:
            ac_in_buffer_size = max(512, args.throttle // 20)

        def handle_read(self):
            super().handle_read()
            if args.throttle:
                time.sleep(0.05)
            if args.drop_after and self.tot_bytes_received >= args.drop_after:
                self.cmd_channel.close()

        handle_read_event = handle_read

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, password, args.root, perm="elradfmwMT")
    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            if args.commands:
                with open(args.commands, "a") as f:
                    f.write(cmd + "\n")
            super().pre_process_command(line, cmd, arg)

    handler = Handler
    handler.authorizer = authorizer
    handler.dtp_handler = Dtp
    handler.passive_ports = None
    handler.banner = "test peer ready"
    logging.basicConfig(level=logging.WARNING)
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.socket.getsockname()[1], flush=True)

    def end_on_eof():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=end_on_eof, daemon=True).start()
    threading.Timer(args.lifetime, lambda: os._exit(0)).start()
    server.serve_forever(timeout=0.2, handle_exit=False)


if __name__ == "__main__":
    main()
