#!/usr/bin/env python3
"""Writes random constant expressions as "--eval(...)" lines, and the values
they must produce, computed here independently of tolvex.

Usage: gen-random-exprs.py SEED COUNT INPUT EXPECTED [--compact]

Values follow 32-bit two's complement: +, - and * wrap; / truncates toward
zero and % takes the dividend's sign; shift counts use their low five bits;
>> is arithmetic; comparisons and logical operators give 0 or 1; both
operands of &&, || and both branches of ?: are evaluated, so no divisor
anywhere may be zero. Literals read like C's wcstol in base 0 and saturate
at 2147483647. The input is run with -DFOUR=4 -DNEG=-7.
"""

import random
import sys

INT_MAX = 2**31 - 1
INT_MIN = -(2**31)


def wrap(v):
    v &= 0xFFFFFFFF
    return v - 2**32 if v & 0x80000000 else v


def literal_value(text):
    """wcstol(text, 0) clamped to the int range; text is never negative."""
    if text[:2] in ("0x", "0X") and len(text) > 2 and text[2] in HEX:
        base, i = 16, 2
        while i < len(text) and text[i] in HEX:
            i += 1
        digits = text[2:i]
    elif text[0] == "0":
        base, i = 8, 0
        while i < len(text) and text[i] in "01234567":
            i += 1
        digits = text[:i]
    else:
        base, i = 10, 0
        while i < len(text) and text[i].isdigit():
            i += 1
        digits = text[:i]
    return min(int(digits, base), INT_MAX)


HEX = "0123456789abcdefABCDEF"
SUFFIXES = ["u", "U", "l", "L", "ul", "UL", "uL", "Lu", "lU", "LU"]

# Binding levels: larger binds tighter.
LEVEL = {
    "||": 2, "&&": 3, "|": 4, "^": 5, "&": 6,
    "==": 7, "!=": 7, "<": 8, ">": 8, "<=": 8, ">=": 8,
    "<<": 9, ">>": 9, "+": 10, "-": 10, "*": 11, "/": 11, "%": 11,
}
# Comparisons and logical operators collapse values to 0 or 1, so they are
# drawn less often than the operators that keep the bits interesting.
BINARY = [op for op in LEVEL for _ in range(1 if LEVEL[op] in (2, 3, 7, 8) else 3)]
UNARY = ["-", "+", "~", "!"]


def trunc_div(a, b):
    q = abs(a) // abs(b)
    return -q if (a < 0) != (b < 0) else q


def combine(op, a, b):
    if op == "+":
        return wrap(a + b)
    if op == "-":
        return wrap(a - b)
    if op == "*":
        return wrap(a * b)
    if op == "/":
        return wrap(trunc_div(a, b))
    if op == "%":
        return wrap(a - b * trunc_div(a, b))
    if op == "<<":
        return wrap(a << (b & 31))
    if op == ">>":
        return a >> (b & 31)
    if op == "<":
        return int(a < b)
    if op == ">":
        return int(a > b)
    if op == "<=":
        return int(a <= b)
    if op == ">=":
        return int(a >= b)
    if op == "==":
        return int(a == b)
    if op == "!=":
        return int(a != b)
    if op == "&":
        return wrap(a & b)
    if op == "^":
        return wrap(a ^ b)
    if op == "|":
        return wrap(a | b)
    if op == "&&":
        return int(a != 0 and b != 0)
    if op == "||":
        return int(a != 0 or b != 0)
    raise ValueError(op)


class Node:
    """An expression: its tokens as they will be printed, its binding level
    (1 ternary ... 12 unary, 13 primary) and its value."""

    def __init__(self, tokens, level, value):
        self.tokens = tokens
        self.level = level
        self.value = value


def parens(node):
    return Node(["("] + node.tokens + [")"], 13, node.value)


def at_least(node, level):
    return node if node.level >= level else parens(node)


class Generator:
    def __init__(self, rng):
        self.rng = rng

    def literal_text(self):
        r = self.rng
        kind = r.random()
        if kind < 0.35:
            text = str(r.randint(0, 40))
        elif kind < 0.55:
            text = str(r.randint(0, INT_MAX))
        elif kind < 0.62:
            text = str(r.choice([INT_MAX, INT_MAX + 1, 2**32 - 1, 2**32,
                                 r.randint(2**31, 2**70)]))
        elif kind < 0.82:
            digits = "%x" % r.choice([r.randint(0, 255), r.randint(0, 2**32 - 1),
                                      r.randint(0, 2**40)])
            digits = "".join(c.upper() if r.random() < 0.5 else c for c in digits)
            text = r.choice(["0x", "0X"]) + digits
        elif kind < 0.95:
            text = "0" + "%o" % r.choice([r.randint(0, 63), r.randint(0, 2**31)])
        else:
            # Octal conversion stops at the first 8 or 9.
            text = "0" + "".join(r.choice("0123456789") for _ in range(r.randint(1, 4)))
        if r.random() < 0.1:
            text += r.choice(SUFFIXES)
        return text

    def primary(self):
        r = self.rng
        kind = r.random()
        if kind < 0.8:
            text = self.literal_text()
            return Node([text], 13, literal_value(text))
        if kind < 0.85:
            return Node(["FOUR"], 13, 4)
        if kind < 0.88:
            # Its body is "- 7", a unary expression.
            return Node(["NEG"], 12, -7)
        if kind < 0.91:
            return Node([r.choice(["undefined_name", "Defined", "x"])], 13, 0)
        if kind < 0.95:
            name = r.choice(["FOUR", "NEG", "nothing"])
            return Node(["defined", "(", name, ")"], 13, int(name != "nothing"))
        # The extreme values that division and shifts care about.
        value = r.choice([INT_MIN, -1, INT_MAX])
        if value == INT_MIN:
            return parens(Node(["-", "2147483647", "-", "1"], 10, INT_MIN))
        if value == -1:
            return Node(["-", "1"], 12, -1)
        return Node(["2147483647"], 13, INT_MAX)

    def nonzero(self):
        value = 0
        while value == 0:
            node = self.expr(self.rng.randint(0, 2))
            value = node.value
        return node

    def expr(self, depth):
        r = self.rng
        if depth <= 0 or r.random() < 0.15:
            node = self.primary()
        else:
            kind = r.random()
            if kind < 0.2:
                op = r.choice(UNARY)
                child = at_least(self.expr(depth - 1), 12)
                v = child.value
                value = {"-": wrap(-v), "+": v, "~": wrap(~v), "!": int(v == 0)}[op]
                node = Node([op] + child.tokens, 12, value)
            elif kind < 0.9:
                op = r.choice(BINARY)
                level = LEVEL[op]
                left = at_least(self.expr(depth - 1), level)
                if op in ("/", "%"):
                    right = self.nonzero()
                else:
                    right = self.expr(depth - 1)
                right = at_least(right, level + 1)
                node = Node(left.tokens + [op] + right.tokens, level,
                            combine(op, left.value, right.value))
            else:
                cond = at_least(self.expr(depth - 1), 2)
                yes = at_least(self.expr(depth - 1), 2)
                no = at_least(self.expr(depth - 1), 2)
                node = Node(cond.tokens + ["?"] + yes.tokens + [":"] + no.tokens, 1,
                            yes.value if cond.value else no.value)
        if r.random() < 0.05:
            node = parens(node)
        return node


def render(tokens, rng, compact):
    out = tokens[0]
    for prev, tok in zip(tokens, tokens[1:]):
        # "--" would start a directive word.
        if prev.endswith("-") and tok.startswith("-"):
            sep = " "
        elif compact:
            sep = "" if rng.random() < 0.9 else " "
        else:
            sep = rng.choice([" ", " ", "  ", "\t"])
        out += sep + tok
    return out


def main(argv):
    if len(argv) not in (5, 6):
        sys.exit(__doc__)
    seed, count = int(argv[1]), int(argv[2])
    compact = len(argv) == 6 and argv[5] == "--compact"
    rng = random.Random(seed)
    gen = Generator(rng)
    with open(argv[3], "w", newline="\n") as src, \
            open(argv[4], "w", newline="\n") as expected:
        for _ in range(count):
            node = gen.expr(rng.randint(1, 6))
            src.write("--eval(%s)\n" % render(node.tokens, rng, compact))
            expected.write("%d\n" % node.value)


if __name__ == "__main__":
    main(sys.argv)
