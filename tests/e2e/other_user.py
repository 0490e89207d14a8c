"""What another local user can do against Tarnwick's single-instance socket; run as that user.

squat PLACE...  listens first at each place it can ("/a/path", or "@name" in the abstract namespace),
                answers every message with "ok", and prints "heard PLACE MESSAGE" for each. Prints
                "ready" once it listens.
probe PLACE...  connects to each place ("@prefix*": every listening abstract name with that prefix),
                says "activate" and prints "PLACE: answered", "PLACE: no answer" or
                "PLACE: cannot connect (reason)".
"""
import os
import selectors
import signal
import socket
import sys


def address(place):
    return "\0" + place[1:] if place.startswith("@") else place


def squat(places):
    # Ended by SIGTERM: the socket files it made go with it.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    made = []
    try:
        serve(places, made)
    finally:
        for path in made:
            os.unlink(path)


def serve(places, made):
    selector = selectors.DefaultSelector()
    for place in places:
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        try:
            server.bind(address(place))
            server.listen(16)
        except OSError as error:
            print(f"cannot squat {place}: {error.strerror}", flush=True)
            server.close()
            continue
        if not place.startswith("@"):
            made.append(place)
        selector.register(server, selectors.EVENT_READ, place)
        print(f"squatting {place}", flush=True)
    print("ready", flush=True)
    while True:
        for key, _ in selector.select():
            connection, _ = key.fileobj.accept()
            connection.settimeout(2)
            try:
                message = connection.recv(64)
                if message:  # a connection closed unspoken tells nothing
                    print(f"heard {key.data} {message!r}", flush=True)
                    connection.sendall(b"ok\n")
            except OSError:
                pass
            connection.close()


def listening(prefix):
    names = []
    with open("/proc/net/unix") as table:
        for line in table:
            fields = line.split()
            if len(fields) >= 8 and fields[3] != "Flags" and int(fields[3], 16) & 0x10000 \
                    and fields[7].startswith("@" + prefix):
                names.append(fields[7].rstrip("@"))
    return names


def probe(places):
    expanded = []
    for place in places:
        expanded += listening(place[1:-1]) if place.endswith("*") else [place]
    if not expanded:
        print("nothing to probe", flush=True)
    for place in expanded:
        client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        client.settimeout(2)
        try:
            client.connect(address(place))
        except OSError as error:
            print(f"{place}: cannot connect ({error.strerror})", flush=True)
            continue
        try:
            client.sendall(b"activate\n")
            answer = client.recv(64)
        except OSError:
            answer = b""
        print(f"{place}: {'answered' if answer.startswith(b'ok') else 'no answer'}", flush=True)
        client.close()


if __name__ == "__main__":
    {"squat": squat, "probe": probe}[sys.argv[1]](sys.argv[2:])
