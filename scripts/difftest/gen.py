#!/usr/bin/env python3
"""Deterministic generator of small random tolvex programs.

A program is a handful of files (main.asm, include files beside it, in sub/
and in inc/) and a command line. The same seed always gives the same
program, so a difference found by compare.py can be reproduced from its seed.

Every construct is bounded so that a run takes milliseconds: macro bodies use
only macros of a lower rank (no recursion), repeat counts are small, nesting is
shallow, and a program with an include cycle keeps to one inclusion per file so
the cycle grows linearly until the nesting limit stops it. Erroneous syntax
appears at a low rate so that the diagnostics are compared too.

    gen.py --seed S            print the program (files and arguments)
    gen.py --seed S --out DIR  write it to DIR (args.txt holds the arguments)
"""

import argparse
import os
import random
import sys

NAMES = ("ALPHA", "BETA", "GAMMA", "DELTA", "EPS", "ZETA", "ETA", "THETA")
PARAMS = ("a", "b", "c", "x", "reg", "n")
COUNTERS = ("i", "j", "k")
MNEMONICS = ("mov", "add", "sub", "lea", "cmp", "jmp", "call", ".word",
             ".byte", "dc", "push", "xor")
REGS = ("eax", "ebx", "r0", "r1", "rsp", "x")
INC_FILES = ("a.inc", "b.inc", "sub/c.inc", "inc/d.inc", "inc/e.inc")
RESERVED = ("--def", "--enddef", "--sched", "--endsched", "--declare",
            "--function", "--endfunction", "--pushblock", "--popblock",
            "$$tolvexmagic", "--endmacro", "--endrept", "--foo", "--ifx")
# Bodies of one plain token: the commonest define of all, which a use
# replaces without reading ahead when what follows only passes through.
PLAIN_NAMES = ("PV0", "PV1", "PV2", "PV3")
PLAIN_BODIES = ("7", "0x1F", "'a'", '"s"', "(", ")", ",", "+", "-", "~",
                "<<", "?", "*", ".", ":", "==", "09", "4L")
BINOPS = ("*", "/", "%", "+", "-", "<<", ">>", "<", ">", "<=", ">=", "==",
          "!=", "&", "^", "|", "&&", "||")


class Gen:
    def __init__(self, seed):
        self.r = random.Random(seed)
        r = self.r
        self.err_rate = r.choice((0.0, 0.005, 0.01, 0.03))
        self.cycle = r.random() < 0.01
        # Rarely, a macro that calls itself once: the nesting limit ends it.
        self.recursive = r.random() < 0.003
        self.budget = r.randint(20, 160)   # statements in the whole program
        self.body_refs = None   # uses of macros left in the current body
        self.mult = 1           # copies made by the enclosing repeat blocks

    # ------------------------------------------------------------ pieces
    def chance(self, p):
        return self.r.random() < p

    def name(self, below=None):
        """A macro name; in a body (below set) only one of a lower rank, and
        only while the body's allowance of uses lasts: each use costs the
        number of times the enclosing repeat blocks run it, so that no chain
        of expansions grows beyond a few thousand."""
        n = len(NAMES) if below is None else below
        if below is not None and not self.spend():
            n = 0
        if n <= 0:
            return self.r.choice(("undefined_sym", "lbl"))
        return NAMES[self.r.randrange(n)]

    def spend(self):
        """Whether the current body may use one more macro or parameter."""
        if self.body_refs is None:
            return True
        if self.body_refs < self.mult:
            return False
        self.body_refs -= self.mult
        return True

    def body(self, make):
        """Runs make() as the text of a body with a fresh allowance, or
        within the allowance of the body it is nested in."""
        if self.body_refs is not None:
            return make()
        self.body_refs, self.mult = 3, 1
        try:
            return make()
        finally:
            self.body_refs, self.mult = None, 1

    def number(self):
        r = self.r
        x = r.random()
        if x < 0.4:
            s = str(r.randint(0, 100))
        elif x < 0.55:
            s = "0x%X" % r.getrandbits(r.choice((4, 16, 32))) if self.chance(
                0.5) else "0x%x" % r.getrandbits(12)
        elif x < 0.65:
            s = "0%o" % r.randint(0, 511)
        elif x < 0.7:
            s = r.choice(("08", "09", "0", "00", "0x", "0X1f"))
        elif x < 0.78:
            s = str(r.choice((2147483647, 2147483648, 4294967295,
                              99999999999, 65536, 32, 31, 33)))
        else:
            s = str(r.randint(0, 9))
        if self.chance(0.08):
            s += r.choice(("u", "L", "UL", "h", "b"))
        return s

    def string(self):
        r = self.r
        body = r.choice(("hello", "a, b", "(x", "--eval(1)", "ALPHA", "",
                         "tab\\t", "q\\\"q", "/* no */", "// no", "; semi",
                         "\\@ u", "#h"))
        if self.chance(0.5):
            return '"%s"' % body
        return "'%s'" % r.choice(("a", "\\n", "'", "ab", "\\'", ",", ")", ""))

    def expr(self, depth=0, below=None):
        r = self.r
        x = r.random()
        if depth > 2 or x < 0.35:
            y = r.random()
            if y < 0.5:
                return self.number()
            if y < 0.75:
                return self.name(below)
            if y < 0.85:
                # The name may be expanded in some places: a use like any.
                nm = self.name(below)
                return "defined(%s)" % nm if self.chance(
                    0.9) else "defined %s" % nm
            if y < 0.92:
                return "--eval(%s)" % self.expr(depth + 1, below)
            return r.choice(("i", "j", "undefined_sym", "'a'"))
        if x < 0.5:
            return r.choice(("-", "+", "~", "!", "- ")) + self.expr(
                depth + 1, below)
        if x < 0.65:
            return "(%s)" % self.expr(depth + 1, below)
        if x < 0.72:
            return "%s ? %s : (%s)" % (self.expr(depth + 1, below),
                                       self.expr(depth + 1, below),
                                       self.expr(depth + 1, below))
        sp = r.choice((" ", " ", ""))
        e = "%s%s%s%s%s" % (self.expr(depth + 1, below), sp, r.choice(BINOPS),
                            sp, self.expr(depth + 1, below))
        if self.chance(self.err_rate):
            e = r.choice((e + " +", "(" + e, e + ")", "* " + e, e + " ? 1",
                          e + " / 0", e + " % 0"))
        return e

    def call(self, depth=0, below=None, params=()):
        """A use of a macro, with arguments that may hold calls, parentheses
        and commas."""
        r = self.r
        nm = self.name(below)
        if self.chance(0.2):
            return nm
        args = []
        for _ in range(r.choice((0, 1, 1, 2, 2, 3, 4))):
            y = r.random()
            if y < 0.3:
                a = self.number()
            elif y < 0.45 and depth < 2:
                a = self.call(depth + 1, below, params)
            elif y < 0.55:
                a = "(%s, %s)" % (self.atom(below, params),
                                  self.atom(below, params))
            elif y < 0.62:
                a = "%s @@, %s" % (self.atom(below, params),
                                   self.atom(below, params))
            elif y < 0.67:
                a = "@@%s" % self.name(below)
            elif y < 0.72:
                a = ""
            elif y < 0.77:
                a = "--eval(%s)" % self.expr(1, below)
            elif y < 0.8:
                a = self.string()
            else:
                a = self.atom(below, params)
            args.append(r.choice(("", " ", "  ")) + a)
        sep = r.choice((" ", "")) if self.chance(0.1) else ""
        text = "%s%s(%s)" % (nm, sep, ",".join(args))
        if below is None and self.chance(self.err_rate):
            # Unterminated: the rest of the file becomes the argument. Not in
            # bodies, where every use would take the rest of the file again.
            text = text[:-1]
        return text

    def atom(self, below=None, params=()):
        r = self.r
        y = r.random()
        if params and y < 0.35 and self.spend():
            p = r.choice(params)
            if self.chance(0.2):
                return r.choice((p + "\\/_size", "pre\\/" + p,
                                 p + "\\/" + r.choice(params)))
            return p
        if y < 0.55:
            return self.name(below)
        if y < 0.7:
            return self.r.choice(REGS)
        if y < 0.85:
            return self.number()
        if y < 0.9:
            return "--eval(%s)" % self.expr(1, below)
        return r.choice(COUNTERS)

    def blanks(self):
        return self.r.choice(("", "", "        ", "\t", "    ", " "))

    def text_line(self, below=None, params=(), in_body=False):
        r = self.r
        parts = [self.blanks()]
        x = r.random()
        if x < 0.06:
            parts.append("%s:" % r.choice(("start", "loop", "lbl")))
        if in_body and self.chance(0.25):
            parts.append(r.choice(("spin\\@:", "\\@:", "l\\@_x: ")))
        m = r.choice(MNEMONICS)
        parts.append(m)
        ops = []
        for _ in range(r.choice((0, 1, 2, 2, 3))):
            y = r.random()
            if y < 0.25:
                ops.append(self.call(1, below, params))
            elif y < 0.35:
                ops.append("--eval(%s)" % self.expr(0, below))
            elif y < 0.42:
                ops.append(self.string())
            elif y < 0.47:
                ops.append("[%s + %s]" % (self.atom(below, params),
                                          self.atom(below, params)))
            elif y < 0.5 and in_body:
                ops.append(r.choice(("jnz spin\\@", "\\@", "x\\/y")))
            else:
                ops.append(self.atom(below, params))
        if ops:
            parts.append(r.choice((" ", "\t")) + r.choice((", ", ",", " + ", " ")).join(ops))
        y = r.random()
        if y < 0.1:
            parts.append(r.choice(("    // note ALPHA", "// c", "  //")))
        elif y < 0.16:
            parts.append(r.choice(("  /* block ALPHA */", "/**/",
                                   " /* a\n   multi BETA\n */ tail")))
        elif y < 0.22:
            parts.append(r.choice(("; nop", "; nop; nop", " ; nop", ";")))
        elif y < 0.25:
            parts.append(" # hash ALPHA \\@")
        elif y < 0.27:
            parts.append(" " + r.choice(RESERVED))
        line = "".join(parts)
        if self.chance(self.err_rate):
            line += r.choice((" \"unterminated", " /* open", " 'x", " - -1",
                              " --", " --eval(1", " --eval 3", " \\@",
                              " \\/", " @@ x"))
        return line

    # ------------------------------------------------------------ blocks
    def block(self, n, depth, ctx):
        """n statements as a list of lines."""
        out = []
        for _ in range(n):
            if self.budget <= 0:
                break
            self.budget -= 1
            out.extend(self.statement(depth, ctx))
        return out

    def statement(self, depth, ctx):
        r = self.r
        below = ctx.get("below")
        params = ctx.get("params", ())
        in_body = bool(ctx.get("in_body"))
        x = r.random()
        if self.chance(self.err_rate):
            bad = self.bad_directive()
            while in_body and ("macro" in bad or "rept" in bad
                               or bad.startswith("--include")):
                # In a body these would end or open a block and undo the
                # ranks that keep expansions finite.
                bad = self.bad_directive()
            return [bad]
        if x < 0.30:
            return [self.text_line(below, params, in_body)]
        if x < 0.34:
            return [r.choice(("", "", "   ", "# hash line ALPHA --define X 1",
                              "#", "// comment only --include a.inc",
                              "/* c1 */ /* c2 */", "\t"))]
        if x < 0.44 and not in_body:
            # A definition inside a body expands its name when that is a
            # macro, which lets uses climb back up the ranks.
            return [self.define(ctx)]
        if x < 0.47 and in_body:
            return [self.text_line(below, params, in_body)]
        if x < 0.47:
            nm = self.name(below)
            return ["--undef %s%s" % (nm, r.choice(("", "", "", " ", ";")))]
        if x < 0.55 and depth < 3 and not in_body:
            return self.macro(depth, ctx)
        if x < 0.58 and not in_body:
            return self.plain_lines(below)
        if x < 0.64 and depth < 2:
            return self.rept(depth, ctx)
        if x < 0.78 and depth < 3:
            return self.cond(depth, ctx)
        if x < 0.83:
            return [r.choice(("--hide", "--unhide", "--unhide", "--hide;",
                              "  --unhide", "--unhide x", "--hide // c",
                              "--unhide;"))]
        if x < 0.9 and depth < 2 and not in_body and not ctx.get("noinc"):
            return [self.include(ctx)]
        if x < 0.9:
            return [self.text_line(below, params, in_body)]
        if in_body and self.chance(0.4):
            return ["# " + r.choice(params or ("x",)) + " \\@ stays"]
        return [self.blanks() + self.call(0, below, params)
                + r.choice(("", "", " // c", "; nop"))]

    def plain_lines(self, below=None):
        """Defines of one plain token used in lines of plain text, where their
        names may take their place within a run of the line: first on the
        line, last, next to another, before a comment or a call, after an
        undef or a redefinition."""
        r = self.r
        out = []
        for _ in range(r.randint(1, 3)):
            out.append("--define %s %s" % (r.choice(PLAIN_NAMES),
                                           r.choice(PLAIN_BODIES)))
        for _ in range(r.randint(2, 6)):
            y = r.random()
            if y < 0.1:
                out.append("--undef %s" % r.choice(PLAIN_NAMES))
                continue
            if y < 0.15:
                out.append("--define %s(a) a" % r.choice(PLAIN_NAMES))
                continue
            ops = [r.choice(PLAIN_NAMES + REGS + ("3", "0x1fL", "1u",
                                                  "defined", "lbl"))
                   for _ in range(r.randint(1, 4))]
            line = r.choice(("    ", "\t", "", "  ")) + r.choice(MNEMONICS)
            line += " " + r.choice((", ", " + ", " ", ",", " * ")).join(ops)
            line += r.choice(("", "", "", " // c", "(1)", " %s(2)" %
                              self.name(below), " ", "\t"))
            out.append(line)
        return out

    def bad_directive(self):
        r = self.r
        return r.choice((
            "--define 5 x", "--define", "--define(", "--undef",
            "--undef 5", "--macro", "--macro 7", "--rept (3)", "--rept(",
            "--rept(2, 3)", "--rept(1,", "--if", "--if (1", "--elif",
            "--else x", "--endif x", "--ifdef", "--ifdef 3", "--ifndef (X)",
            "--include", "--include\"a.inc\"", "--include \"a.inc",
            "--eval", "--eval(", "--eval()", "--eval(1/0)", "--eval(5 % 0)",
            "--define SUM (1 + 2)", "--undef ALPHA x", "--endrept",
            "--endmacro", "--hide x", "--definex 1", "--define A(b c) b",
            "--define A(,) 1", "--macro M(a,", "--rept(0)", "--rept(-1)",
            "--if defined ALPHA", "--if 1 ? 2", "--eval(1 ? 2 ? 3 : 4 : 5)",
            "--eval(((((1)))", ")", "--rept(2)x", "--macro Z(a);a;--endmacro x",
        ))

    def define(self, ctx):
        return self.body(lambda: self.define_text(ctx))

    def define_text(self, ctx):
        r = self.r
        if "below" in ctx:
            # The name after --define is expanded when it is a macro, so in
            # a body only a lower rank may be redefined.
            nm = self.name(ctx["below"])
            idx = NAMES.index(nm) if nm in NAMES else 0
            if nm not in NAMES:
                nm = "UNUSED"   # the stand-ins for names stay undefined
        else:
            idx = r.randrange(len(NAMES))
            nm = NAMES[idx]
        # Ranks above 4 use only ranks 0..3: chains stay five deep.
        below = min(idx, 4, ctx.get("below", idx))
        params = ()
        head = "--define %s" % nm
        if self.chance(0.4):
            params = tuple(r.sample(PARAMS, r.randint(0, 3)))
            if self.chance(0.05):
                params += (NAMES[0],)
            head += "(%s)" % r.choice((", ", ",")).join(params)
        body = []
        if not params and self.chance(0.5):
            body.append(r.choice(PLAIN_BODIES))
        for _ in range(0 if body else r.choice((0, 1, 1, 2, 3))):
            y = r.random()
            if y < 0.3 and params and self.spend():
                body.append(r.choice(params))
            elif y < 0.5:
                body.append(self.call(1, below, params))
            elif y < 0.6:
                body.append("--eval(%s)" % self.expr(1, below))
            elif y < 0.65:
                body.append("\\@")
            else:
                body.append(self.atom(below, params))
        sep = r.choice((" ", "  ", "\t"))
        line = head + (sep + r.choice((" + ", " ", ", ")).join(body)
                       if body else r.choice(("", " ")))
        return line + r.choice(("", "", "", " // c", ";", "   "))

    def macro(self, depth, ctx):
        return self.body(lambda: self.macro_text(depth, ctx))

    def macro_text(self, depth, ctx):
        r = self.r
        idx = r.randrange(len(NAMES))
        nm = NAMES[idx]
        params = ()
        head = "--macro %s" % nm
        if self.chance(0.75):
            params = tuple(r.sample(PARAMS, r.randint(0, 3)))
            head += "(%s)" % ", ".join(params)
        sub = dict(ctx, below=min(idx, 4),
                   params=params, in_body=True)
        if self.chance(0.2):
            lines = self.block(1, depth + 2, sub)
            body = " ".join(l for l in lines if "\n" not in l and "//" not in l
                            and "/*" not in l and not l.startswith("#"))
            return ["%s;%s%s; --endmacro%s" % (
                head, r.choice((" ", "")), body or "nop",
                r.choice(("", "", " // c", ";")))]
        lines = self.block(r.randint(1, 5), depth + 1, sub)
        end = "--endmacro"
        if self.chance(0.05):
            end = "  --endmacro"
        return [head] + lines + [end]

    def rept(self, depth, ctx):
        r = self.r
        count = r.choice(("0", "1", "2", "3", "-1", "2+1", "(%s) & 3",
                          "--eval(2)", "(1)", "i + 1"))
        if "%" in count:
            count %= self.name(ctx.get("below"))
        counter = ""
        if self.chance(0.6):
            # A macro name as counter is expanded in the header: a use.
            counter = ", " + (r.choice(COUNTERS) if self.chance(0.8)
                              else self.name(ctx.get("below")))
        head = "--rept(%s%s)" % (count, counter)
        if self.chance(0.2):
            return ["%s; %s; --endrept%s" % (
                head, r.choice(("nop", "i", "dc i", self.name(ctx.get("below")),
                                "x\\@")),
                r.choice(("", ";", " // c")))]
        mult = self.mult
        self.mult *= 3
        body = self.block(r.randint(1, 4), depth + 1, ctx)
        self.mult = mult
        return [head] + body + [r.choice(("--endrept", "--endrept",
                                          "  --endrept"))]

    def cond(self, depth, ctx):
        r = self.r
        x = r.random()
        if x < 0.5:
            head = "--if %s" % self.expr(0, ctx.get("below"))
        elif x < 0.75:
            head = "--ifdef %s" % self.name(ctx.get("below"))
        else:
            head = "--ifndef %s" % self.name(ctx.get("below"))
        out = [self.blanks() + head]
        out += self.block(r.randint(0, 3), depth + 1, ctx)
        for _ in range(r.choice((0, 0, 1, 2))):
            out.append("--elif %s" % self.expr(0, ctx.get("below")))
            out += self.block(r.randint(0, 2), depth + 1, ctx)
        if self.chance(0.5):
            out.append("--else" + r.choice(("", "", " // c", ";")))
            out += self.block(r.randint(0, 2), depth + 1, ctx)
        if not self.chance(0.03):
            out.append(r.choice(("--endif", "--endif", "--endif;",
                                 "  --endif", "--endif nop")))
        return out

    def include(self, ctx):
        r = self.r
        name = r.choice(INC_FILES + ("missing.inc", "d.inc", "e.inc",
                                     "c.inc", "inc", "sub"))
        if name.startswith("inc/") and self.chance(0.6):
            name = name[4:]
        if self.chance(0.1):
            name = name.replace("/", "\\")
        form = r.random()
        if form < 0.5:
            line = '--include "%s"' % name
        elif form < 0.9:
            line = "--include %s" % name
        else:
            line = "--include %s" % r.choice(("ALPHA", "BETA/x.inc",
                                              "\"a.inc\" x", "<a.inc>"))
        return line + r.choice(("", "", "", ";", " // c"))

    # ------------------------------------------------------------ program
    def include_file(self, index):
        """Text of include file `index`. Inclusions stand between top-level
        statements (never in a repeat block) and name only files later in
        INC_FILES, so the files form a short chain; in a cycle each file
        includes the next one once, so the cycle grows linearly until the
        nesting limit ends it."""
        r = self.r
        # A cycle repeats its files 200 times over: keep them short, plain.
        self.budget = r.randint(2, 6) if self.cycle else r.randint(2, 20)
        if self.cycle:
            self.err_rate = 0
        stmts = []
        while self.budget > 0:
            self.budget -= 1
            stmts.append(self.statement(1, {"noinc": True}))
        if self.cycle:
            nxt = INC_FILES[(index + 1) % 3]
            targets = ['"../%s"' % nxt if index == 2 else nxt]
        else:
            later = INC_FILES[index + 1:]
            targets = []
            for _ in range(r.choice((0, 1, 1, 2)) if later else 0):
                t = r.choice(later)
                targets.append('"%s"' % t.split("/")[-1] if self.chance(0.5)
                               else t)
        for t in targets:
            stmts.insert(r.randrange(len(stmts) + 1), ["--include " + t])
        return [line for st in stmts for line in st]

    def line_ends(self, lines):
        r = self.r
        mode = r.random()
        out = []
        for line in lines:
            end = "\n"
            if mode < 0.08 and self.chance(0.5):
                end = "\r\n"
            elif mode < 0.12 and self.chance(0.3):
                end = "\r"
            out.append(line + end)
        text = "".join(out)
        if self.chance(0.05):
            text = text.rstrip("\n")   # no final line end
        return text.encode("latin-1")

    def program(self):
        r = self.r
        files = {}
        main = self.block(self.budget, 0, {"noinc": self.cycle})
        if self.cycle:
            main.insert(0, '--include "a.inc"')
        if self.recursive:
            main += ["--macro REC(n)", "rec n", "REC(n)", "--endmacro",
                     "REC(1)"]
        for i, f in enumerate(INC_FILES):
            if self.chance(0.75) or self.cycle:
                files[f] = self.line_ends(self.include_file(i))
        data = self.line_ends(main)
        x = r.random()
        if x < 0.01:
            data = b"\xef\xbb\xbf" + data + "\u00e9\u0101".encode()
        elif x < 0.013:
            data = b"\xfe\xff" + data
        elif x < 0.03:
            data += bytes((0xe9, 0, 0x80, 0xff)) + b"\n"
        files["main.asm"] = data
        return files, self.options()

    def options(self):
        r = self.r
        opts = []   # each option with its arguments, kept together
        for _ in range(r.choice((0, 0, 1, 2, 3))):
            nm = r.choice(NAMES + ("DEBUG", "LEVEL"))
            y = r.random()
            if y < 0.3:
                opts.append(["-D" + nm])
            elif y < 0.9:
                # A value uses only names of a lower rank, as bodies do.
                rank = NAMES.index(nm) if nm in NAMES else len(NAMES)
                vals = ["1", "0", "you+1", "x y", "(2)", "", "0x10",
                        "--eval(3)"]
                if rank > 0:
                    vals.append(NAMES[r.randrange(rank)])
                if rank > 1:
                    vals.append(NAMES[r.randrange(1, rank)] + "(1)")
                opts.append(["-D%s=%s" % (nm, r.choice(vals))])
            else:
                opts.append([r.choice(("-D", "-D=5", "-D" + nm + "=1"))])
        if self.chance(0.3):
            opts.append(["-line"])
        if self.chance(0.3):
            opts.append(["-md", "deps.d", "target.o"])
        if self.chance(0.6):
            opts.append(["-i", "inc"])
            if self.chance(0.1):
                opts.append(["-i", r.choice(("sub", "nowhere", "inc/"))])
        y = r.random()
        if y < 0.15:
            opts.append(["-oout.s"])
        elif y < 0.25:
            opts.append(["-outfile", "out.s"])
        elif y < 0.3:
            opts.append(["-outfile=out.s"])
        if self.chance(0.01):
            opts.append([r.choice(("-x", "-md", "-i", "-outfile", "-o out.s",
                                   "-output"))])
        r.shuffle(opts)
        return [a for o in opts for a in o] + ["main.asm"]


def generate(seed):
    """-> ({relative path: bytes}, [arguments])"""
    g = Gen(seed)
    return g.program()


def write(seed, d):
    files, args = generate(seed)
    for rel, data in files.items():
        p = os.path.join(d, rel)
        os.makedirs(os.path.dirname(p), exist_ok=True)
        with open(p, "wb") as f:
            f.write(data)
    os.makedirs(os.path.join(d, "inc"), exist_ok=True)
    return args


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--seed", type=int, required=True)
    ap.add_argument("--out", help="directory to write the program to")
    a = ap.parse_args()
    if a.out:
        args = write(a.seed, a.out)
        with open(os.path.join(a.out, "args.txt"), "w") as f:
            f.write("\n".join(args) + "\n")
        return 0
    files, args = generate(a.seed)
    out = sys.stdout.buffer
    out.write(("args: %r\n" % args).encode())
    for rel in sorted(files):
        out.write(b"//--- " + rel.encode() + b"\n" + files[rel] + b"\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
