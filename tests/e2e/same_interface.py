#!/usr/bin/env python3
"""same_interface.py INTERFACE EXPECTED.xml [ACTUAL.xml]

Compares one interface of two D-Bus introspection documents: the methods with their arguments'
names, types and directions, the signals with theirs, the properties with their types and access.
ACTUAL defaults to standard input (gdbus introspect --xml). Annotations are left out: the running
program's introspection is generated from its code and carries none. Exit 1 and the differences
when they differ."""
import sys
import xml.etree.ElementTree as ET


def members(document, name):
    for interface in ET.fromstring(document).iter("interface"):
        if interface.get("name") == name:
            break
    else:
        return None
    found = set()
    for method in interface.findall("method"):
        args = tuple((a.get("name"), a.get("type"), a.get("direction", "in")) for a in method.findall("arg"))
        found.add(("method", method.get("name"), args))
    for signal in interface.findall("signal"):
        args = tuple((a.get("name"), a.get("type")) for a in signal.findall("arg"))
        found.add(("signal", signal.get("name"), args))
    for prop in interface.findall("property"):
        found.add(("property", prop.get("name"), (prop.get("type"), prop.get("access"))))
    return found


def main():
    name, expected_path = sys.argv[1], sys.argv[2]
    actual_text = open(sys.argv[3]).read() if len(sys.argv) > 3 else sys.stdin.read()
    expected = members(open(expected_path).read(), name)
    actual = members(actual_text, name)
    if expected is None or not expected:
        print(f"{expected_path} describes no interface {name}")
        return 1
    if actual is None:
        print(f"the introspection has no interface {name}")
        return 1
    if expected == actual:
        return 0
    for item in sorted(expected - actual, key=str):
        print("only in the XML:", item)
    for item in sorted(actual - expected, key=str):
        print("only in the program:", item)
    return 1


if __name__ == "__main__":
    sys.exit(main())
