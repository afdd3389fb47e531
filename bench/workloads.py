"""Deterministic workload generators for bench/compare.

Every workload is written once per size into its own directory: the tolvex
input plus, for each peer preprocessor that can express the same job, an
equivalent input in that peer's syntax. All randomness comes from one
random.Random(1234), split into one sub-seed per workload, so a workload's
text does not depend on which other workloads were generated, and the
checksums of tolvex's output stay comparable across runs and machines.

Text is plain ASCII with LF line ends. It avoids the characters that carry a
meaning for one of the peers but not for the others: no quote characters
other than double quotes (m4 quoting, C character constants), no "#" (C
directives), no "%" (NASM directives), no "@" or backslash (tolvex markers),
no ";" outside NASM comments.
"""

import hashlib
import os
import random

GEN_VERSION = 1

ORDER = ("W1", "W2", "W3", "W4", "W5", "W6", "W7")

TITLES = {
    "W1": "pass-through",
    "W2": "defines",
    "W3": "macros",
    "W4": "repeat",
    "W5": "conditionals",
    "W6": "includes",
    "W7": "pass-through x6",
}

TOOLS = ("tolvex", "cpp", "nasm", "m4", "mcpp")

SIZES = {
    "full": dict(w1_bytes=30_000_000, w2_defines=2000, w2_lines=500_000,
                 w3_calls=200_000, w4_count=1_000_000, w5_groups=200_000,
                 w6_files=2000, w6_lines=200),
    "quick": dict(w1_bytes=3_000_000, w2_defines=200, w2_lines=50_000,
                  w3_calls=20_000, w4_count=100_000, w5_groups=20_000,
                  w6_files=200, w6_lines=200),
}

MASTER_SEED = 1234


def seeds():
    master = random.Random(MASTER_SEED)
    return {name: master.getrandbits(64) for name in ORDER}


def fingerprint():
    """Changes whenever the generator code changes, so cached inputs are
    regenerated instead of silently reused."""
    with open(__file__, "rb") as f:
        src = f.read()
    return "v%d-%s" % (GEN_VERSION, hashlib.sha256(src).hexdigest()[:16])


class Run:
    """How one tool processes one workload: argv after the program name
    (relative to the workload directory, which is the working directory),
    the files whose bytes count as its input, and extra files it writes."""

    def __init__(self, args, inputs, outputs=()):
        self.args = list(args)
        self.inputs = list(inputs)
        self.outputs = list(outputs)


def _inc_names(n, folder):
    return ["%s/f%04d.inc" % (folder, i) for i in range(n)]


def manifest(name, size):
    """Tool -> Run for the workload; tools missing from the dict cannot
    express it."""
    p = SIZES[size]
    if name in ("W1", "W7"):
        return {
            "tolvex": Run(["in.asm"], ["in.asm"]),
            "cpp": Run(["-P", "in.S"], ["in.S"]),
            "mcpp": Run(["-P", "-V199901L", "in.S"], ["in.S"]),
            "nasm": Run(["-E", "in.nasm"], ["in.nasm"]),
            "m4": Run(["-P", "in.m4"], ["in.m4"]),
        }
    if name in ("W2", "W3", "W5"):
        return {
            "tolvex": Run(["in.asm"], ["in.asm"]),
            "cpp": Run(["-P", "in.S"], ["in.S"]),
            "mcpp": Run(["-P", "-V199901L", "in.S"], ["in.S"]),
            "nasm": Run(["-E", "in.nasm"], ["in.nasm"]),
            "m4": Run(["-P", "in.m4"], ["in.m4"]),
        }
    if name == "W4":
        # 1,000,000 iterations is exactly NASM's default rep limit; raise it
        # so the full size is not refused.
        return {
            "tolvex": Run(["in.asm"], ["in.asm"]),
            "nasm": Run(["-E", "--limit-rep", str(p["w4_count"] * 2),
                         "in.nasm"], ["in.nasm"]),
        }
    if name == "W6":
        c_incs = _inc_names(p["w6_files"], "inc")
        n_incs = _inc_names(p["w6_files"], "ninc")
        return {
            "tolvex": Run(["-md", "main.d", "main.o", "main.asm"],
                          ["main.asm"] + c_incs, ["main.d"]),
            "cpp": Run(["-P", "-MD", "-MF", "main.d", "-MT", "main.o",
                        "main.S"], ["main.S"] + c_incs, ["main.d"]),
            "mcpp": Run(["-P", "-V199901L", "-MD", "-MF", "main.d",
                         "-MT", "main.o", "main.S"],
                        ["main.S"] + c_incs, ["main.d"]),
            "nasm": Run(["-E", "-MD", "main.d", "-MT", "main.o",
                         "main.nasm"], ["main.nasm"] + n_incs, ["main.d"]),
            # m4 includes files but writes no dependency list.
            "m4": Run(["-P", "main.m4"], ["main.m4"] + c_incs),
        }
    raise KeyError(name)


def notes(name):
    """Short remarks printed under the table for a workload."""
    return {
        "W4": "W4: cpp, mcpp and m4 have no counted loop; skipped.",
        "W6": "W6: m4 writes no dependency file; its run includes only.",
    }.get(name)


# --------------------------------------------------------------------------
# Realistic assembly text

REGS = ("rax", "rbx", "rcx", "rdx", "rsi", "rdi", "r8", "r9", "r10", "r11",
        "r12", "r13", "r14", "r15")
REGS32 = ("eax", "ebx", "ecx", "edx", "esi", "edi", "r8d", "r9d", "r10d",
          "r11d")
XMMS = tuple("xmm%d" % i for i in range(16))
WORDS = (
    "load", "store", "the", "counter", "pointer", "buffer", "length", "save",
    "restore", "frame", "loop", "check", "bounds", "next", "element",
    "result", "return", "value", "clear", "flags", "align", "stack", "copy",
    "bytes", "index", "table", "entry", "offset", "update", "state", "carry",
    "overflow", "compute", "hash", "mix", "round", "key", "scale", "base",
    "advance", "skip", "header", "tail", "chunk", "fast", "path", "slow",
    "spill", "reload", "argument", "callee", "saved", "register", "zero",
    "extend", "sign", "mask", "shift", "bits", "first", "last", "count",
    "size", "node", "list", "tree", "left", "right", "parent", "child",
    "empty", "full", "done", "retry", "lock", "unlock", "wait", "signal",
)
VERBS = ("init", "read", "write", "parse", "scan", "emit", "hash", "copy",
         "find", "sort", "merge", "push", "pop", "free", "alloc", "reset")
NOUNS = ("buf", "node", "list", "map", "key", "page", "blk", "ctx", "tok",
         "str", "vec", "tab", "ring", "slot", "file", "frame")
JCC = ("je", "jne", "jl", "jle", "jg", "jge", "jb", "jae", "ja", "jbe", "jz",
       "jnz")
EXTERNS = ("memcpy", "memset", "strlen", "malloc", "free", "abort")


class AsmText:
    """Makes lines of x86-64 assembly in Intel syntax.

    Lines are items: (code, comment) for ordinary lines, where code may be
    empty (a comment-only or blank line) and comment may be None, or
    (None, [text, ...]) for a block comment. render() turns them into the
    C-comment form used by tolvex, cpp, mcpp and m4 or the NASM ";" form.
    """

    def __init__(self, rng):
        self.r = rng
        self.nfun = 0
        self.names = []

    def words(self, lo, hi):
        r = self.r
        return " ".join(r.choice(WORDS) for _ in range(r.randint(lo, hi)))

    def imm(self):
        r = self.r
        x = r.random()
        if x < 0.4:
            return str(r.randint(0, 64))
        if x < 0.7:
            return str(r.randint(0, 65535))
        return "0x%x" % r.getrandbits(r.choice((8, 16, 32)))

    def mem(self):
        r = self.r
        base = r.choice(REGS)
        x = r.random()
        if x < 0.2:
            m = "[%s]" % base
        elif x < 0.5:
            m = "[%s%s%d]" % (base, r.choice("+-"), r.randrange(8, 256, 8))
        elif x < 0.75:
            m = "[%s+%s*%d]" % (base, r.choice(REGS), r.choice((1, 2, 4, 8)))
        else:
            m = "[%s+%s*%d+0x%x]" % (base, r.choice(REGS), r.choice((2, 4, 8)),
                                     r.randrange(0, 4096, 4))
        if r.random() < 0.4:
            m = r.choice(("qword ptr ", "dword ptr ", "byte ptr ")) + m
        return m

    def insn(self, fn, nlabels):
        r = self.r
        x = r.random()
        reg = r.choice(REGS)
        if x < 0.22:
            y = r.random()
            if y < 0.35:
                ops = "%s, %s" % (reg, r.choice(REGS))
            elif y < 0.65:
                ops = "%s, %s" % (reg, self.mem())
            elif y < 0.85:
                ops = "%s, %s" % (self.mem(), reg)
            else:
                ops = "%s, %s" % (reg, self.imm())
            return "mov", ops
        if x < 0.42:
            op = r.choice(("add", "sub", "and", "or", "xor", "cmp"))
            y = r.random()
            src = r.choice(REGS) if y < 0.5 else (
                self.imm() if y < 0.8 else self.mem())
            return op, "%s, %s" % (reg, src)
        if x < 0.52:
            return "lea", "%s, %s" % (reg, self.mem())
        if x < 0.57:
            return "imul", "%s, %s, %d" % (reg, r.choice(REGS),
                                           r.randint(2, 100))
        if x < 0.62:
            return r.choice(("shl", "shr", "sar")), "%s, %d" % (
                reg, r.randint(1, 31))
        if x < 0.67:
            return "test", "%s, %s" % (r.choice(REGS32), r.choice(REGS32))
        if x < 0.72:
            return r.choice(("inc", "dec", "neg", "not")), reg
        if x < 0.77:
            return r.choice(("push", "pop")), reg
        if x < 0.82:
            if self.names and r.random() < 0.7:
                return "call", r.choice(self.names)
            return "call", r.choice(EXTERNS)
        if x < 0.90:
            return r.choice(JCC), ".L%d_%d" % (fn, r.randrange(nlabels))
        if x < 0.95:
            mnem = r.choice(("movdqu", "movaps", "pxor", "paddd"))
            return mnem, "%s, %s" % (
                r.choice(XMMS), r.choice(XMMS) if r.random() < 0.5
                else self.mem())
        return r.choice(("cqo", "nop", "pause", "lfence")), ""

    def code_line(self, mnem, ops):
        r = self.r
        if r.random() < 0.3:
            return "\t%s\t%s" % (mnem, ops) if ops else "\t" + mnem
        return "    %s %s" % (mnem, ops) if ops else "    " + mnem

    def function(self, items):
        """Appends one function (and sometimes a data block) to items."""
        r = self.r
        fn = self.nfun
        self.nfun += 1
        name = "%s_%s_%d" % (r.choice(VERBS), r.choice(NOUNS), fn)
        if r.random() < 0.3:
            items.append((None, [self.words(3, 9)
                                 for _ in range(r.randint(1, 4))]))
        items.append(("    .globl " + name, None))
        items.append(("    .p2align 4", None))
        items.append((name + ":", self.words(2, 5)
                      if r.random() < 0.3 else None))
        items.append(("    push rbp", None))
        items.append(("    mov rbp, rsp", None))
        items.append(("    sub rsp, %d" % r.randrange(16, 512, 16),
                      "locals" if r.random() < 0.2 else None))
        nlabels = r.randint(1, 4)
        for lab in range(nlabels):
            items.append((".L%d_%d:" % (fn, lab), None))
            for _ in range(r.randint(3, 12)):
                x = r.random()
                if x < 0.05:
                    items.append(("    ", self.words(3, 8)))
                    continue
                mnem, ops = self.insn(fn, nlabels)
                items.append((self.code_line(mnem, ops),
                              self.words(2, 6) if x < 0.3 else None))
        items.append(("    leave", None))
        items.append(("    ret", None))
        items.append(("", None))
        if r.random() < 0.25:
            items.append(("    .section .rodata", None))
            items.append(("msg_%d:" % fn, None))
            items.append(('    .asciz "%s"' % self.words(2, 7), None))
            items.append(("    .quad %s, %s" % (self.imm(), self.imm()), None))
            items.append(("    .long %s" % ", ".join(
                self.imm() for _ in range(r.randint(1, 6))), None))
            items.append(("    .text", None))
            items.append(("", None))
        self.names.append(name)
        if len(self.names) > 64:
            del self.names[:32]


def render(items, style):
    """Item list -> text; style "c" uses // and /* */ comments, "nasm" ;."""
    out = []
    append = out.append
    if style == "c":
        for code, com in items:
            if code is None:
                append("/* " + "\n * ".join(com) + "\n */\n")
            elif com is None:
                append(code + "\n")
            elif code.strip():
                append(code + "    // " + com + "\n")
            else:
                append(code + "// " + com + "\n")
    else:
        for code, com in items:
            if code is None:
                append("".join("; " + c + "\n" for c in com))
            elif com is None:
                append(code + "\n")
            elif code.strip():
                append(code + "    ; " + com + "\n")
            else:
                append(code + "; " + com + "\n")
    return "".join(out)


def _write(path, text):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


# --------------------------------------------------------------------------
# The workloads

def _w1_text(rng, p):
    """W1's text in the C-comment and the NASM form."""
    asm = AsmText(rng)
    c_parts, n_parts = [], []
    total = 0
    while total < p["w1_bytes"]:
        items = []
        for _ in range(200):
            asm.function(items)
        c = render(items, "c")
        total += len(c)
        c_parts.append(c)
        n_parts.append(render(items, "nasm"))
    return "".join(c_parts), "".join(n_parts)


def _write_w1_form(d, c, nasm):
    for f in ("in.asm", "in.S", "in.m4"):
        _write(os.path.join(d, f), c)
    _write(os.path.join(d, "in.nasm"), nasm)


def gen_w1(rng, p, d):
    _write_w1_form(d, *_w1_text(rng, p))


def gen_w7(rng, p, d):
    # W1's text (from W1's own seed) six times over: the same kind of work
    # on an input large enough that the memory held per token shows.
    c, nasm = _w1_text(random.Random(seeds()["W1"]), p)
    _write_w1_form(d, c * 6, nasm * 6)


def gen_w2(rng, p, d):
    r = rng
    prefixes = ("OFF", "SIZE", "FLAG", "MASK", "SYS", "CFG", "ERR", "REG")
    names, values = [], []
    for i in range(p["w2_defines"]):
        names.append("%s_%s_%d" % (r.choice(prefixes), r.choice(WORDS).upper(),
                                   i))
        x = r.random()
        values.append(str(r.randint(0, 4095)) if x < 0.6
                      else "0x%x" % r.getrandbits(16))
    templates = (
        "    mov {r}, {a} + {b} * {c}",
        "    lea {r}, [{s} + {a} + {b} - {c}]",
        "    cmp {r}, {a} | {b} | {c}",
        "    .quad {a}, {b}, {c}",
        "    and {r}, ({a} << 4) + {b} - {c}",
        "    mov qword ptr [{s} + {a}], {b} ^ {c}",
    )
    lines = []
    for _ in range(p["w2_lines"]):
        a, b, c = (r.choice(names) for _ in range(3))
        lines.append(r.choice(templates).format(
            r=r.choice(REGS), s=r.choice(REGS), a=a, b=b, c=c))
    body = "\n".join(lines) + "\n"
    nv = list(zip(names, values))
    _write(os.path.join(d, "in.asm"),
           "".join("--define %s %s\n" % x for x in nv) + body)
    c_text = "".join("#define %s %s\n" % x for x in nv) + body
    _write(os.path.join(d, "in.S"), c_text)
    _write(os.path.join(d, "in.nasm"),
           "".join("%%define %s %s\n" % x for x in nv) + body)
    _write(os.path.join(d, "in.m4"),
           "".join("m4_define(`%s',`%s')m4_dnl\n" % x for x in nv) + body)


W3_BODY = (
    "    mov {d}, qword ptr [{s} + {o}]",
    "    add {d}, {o}",
    "    xor {d}, {s}",
    "    mov qword ptr [{s} + {o} + 8], {d}",
)


def gen_w3(rng, p, d):
    r = rng
    name = "LOAD_ADD_STORE"
    calls = []   # (dst, src, off) or a plain line
    for _ in range(p["w3_calls"]):
        if r.random() < 0.1:
            calls.append("    inc %s" % r.choice(REGS))
        y = r.random()
        off = (str(r.randrange(0, 4096, 8)) if y < 0.5 else
               "0x%x" % r.randrange(0, 65536, 8) if y < 0.8 else
               "%s_len" % r.choice(WORDS))
        calls.append((r.choice(REGS), r.choice(REGS), off))

    def calls_text(fmt):
        return "".join((c + "\n") if isinstance(c, str) else fmt % c
                       for c in calls)

    tv = ("--macro %s(dst, src, off)\n" % name
          + "".join(line.format(d="dst", s="src", o="off") + "\n"
                    for line in W3_BODY)
          + "--endmacro\n")
    _write(os.path.join(d, "in.asm"),
           tv + calls_text("    " + name + "(%s, %s, %s)\n"))
    cv = ("#define %s(dst, src, off) " % name
          + "; ".join(line.strip().format(d="dst", s="src", o="off")
                      for line in W3_BODY) + "\n")
    _write(os.path.join(d, "in.S"),
           cv + calls_text("    " + name + "(%s, %s, %s)\n"))
    nv = ("%%macro %s 3\n" % name
          + "".join(line.format(d="%1", s="%2", o="%3") + "\n"
                    for line in W3_BODY)
          + "%endmacro\n")
    _write(os.path.join(d, "in.nasm"),
           nv + calls_text("    " + name + " %s, %s, %s\n"))
    mv = ("m4_define(`%s',`" % name
          + "\n".join(line.format(d="$1", s="$2", o="$3") for line in W3_BODY)
          + "')m4_dnl\n")
    _write(os.path.join(d, "in.m4"),
           mv + calls_text(name + "(%s, %s, %s)\n"))


def gen_w4(rng, p, d):
    n = p["w4_count"]
    body = "    mov dword ptr [rbx + i*4], i"
    _write(os.path.join(d, "in.asm"),
           "--rept(%d, i)\n%s\n--endrept\n" % (n, body))
    _write(os.path.join(d, "in.nasm"),
           "%%assign i 0\n%%rep %d\n%s\n%%assign i i+1\n%%endrep\n"
           % (n, body))


W5_VARS = ("CFG_MODE", "CFG_LEVEL", "CFG_WIDTH", "CFG_UNITS", "CFG_FLAGS",
           "CFG_DEPTH", "CFG_RATE", "CFG_MASK")


def gen_w5(rng, p, d):
    r = rng
    values = [r.randint(0, 12) for _ in W5_VARS]
    asm = AsmText(r)

    def v():
        return r.choice(W5_VARS)

    def k(lo=0, hi=12):
        return r.randint(lo, hi)

    exprs = (
        lambda: "%s + %d > %s" % (v(), k(), v()),
        lambda: "(%s & %d) != 0" % (v(), 1 << k(0, 3)),
        lambda: "%s * 2 == %s || %s < %d" % (v(), v(), v(), k()),
        lambda: "%s - %s >= %d && %s != %d" % (v(), v(), k(0, 4), v(), k()),
        lambda: "(%s << 2) + 1 <= %d" % (v(), k(4, 48)),
        lambda: "!(%s == %d)" % (v(), k()),
        lambda: "%s > %d" % (v(), k()),
    )

    def text_line():
        mnem, ops = asm.insn(0, 1)
        return "    %s %s" % (mnem, ops) if ops else "    " + mnem

    # A group is (branches, else_body); a branch is (expr, body); a body is
    # a list of text lines and nested groups.
    count = [0]

    def body(depth):
        out = [text_line() for _ in range(r.randint(1, 2))]
        if depth < 3 and count[0] < p["w5_groups"] and r.random() < 0.35:
            out.append(group(depth + 1))
            if r.random() < 0.5:
                out.append(text_line())
        return out

    def group(depth):
        count[0] += 1
        branches = [(exprs[r.randrange(len(exprs))](), body(depth))]
        for _ in range(r.choice((0, 0, 1, 1, 2))):
            branches.append((exprs[r.randrange(len(exprs))](), body(depth)))
        else_body = body(depth) if r.random() < 0.6 else None
        return (branches, else_body)

    groups = []
    while count[0] < p["w5_groups"]:
        groups.append(group(1))
        if r.random() < 0.3:
            groups.append(text_line())

    def directive_form(kw_if, kw_elif, kw_else, kw_endif):
        out = []

        def emit(x):
            if isinstance(x, str):
                out.append(x + "\n")
                return
            branches, else_body = x
            for i, (e, b) in enumerate(branches):
                out.append("%s %s\n" % (kw_if if i == 0 else kw_elif, e))
                for y in b:
                    emit(y)
            if else_body is not None:
                out.append(kw_else + "\n")
                for y in else_body:
                    emit(y)
            out.append(kw_endif + "\n")

        for g in groups:
            emit(g)
        return "".join(out)

    def m4_form():
        out = []

        def emit(x):
            if isinstance(x, str):
                out.append(x + "\n")
                return
            branches, else_body = x
            out.append("m4_ifelse(")
            for i, (e, b) in enumerate(branches):
                if i:
                    out.append(",")
                out.append("m4_eval(%s),1,`" % e)
                for y in b:
                    emit(y)
                out.append("'")
            if else_body is not None:
                out.append(",`")
                for y in else_body:
                    emit(y)
                out.append("'")
            out.append(")m4_dnl\n")

        for g in groups:
            emit(g)
        return "".join(out)

    defs = list(zip(W5_VARS, values))
    _write(os.path.join(d, "in.asm"),
           "".join("--define %s %d\n" % x for x in defs)
           + directive_form("--if", "--elif", "--else", "--endif"))
    _write(os.path.join(d, "in.S"),
           "".join("#define %s %d\n" % x for x in defs)
           + directive_form("#if", "#elif", "#else", "#endif"))
    _write(os.path.join(d, "in.nasm"),
           "".join("%%define %s %d\n" % x for x in defs)
           + directive_form("%if", "%elif", "%else", "%endif"))
    _write(os.path.join(d, "in.m4"),
           "".join("m4_define(`%s',`%d')m4_dnl\n" % x for x in defs)
           + m4_form())


def gen_w6(rng, p, d):
    r = rng
    asm = AsmText(r)
    os.makedirs(os.path.join(d, "inc"), exist_ok=True)
    os.makedirs(os.path.join(d, "ninc"), exist_ok=True)
    c_incs = _inc_names(p["w6_files"], "inc")
    n_incs = _inc_names(p["w6_files"], "ninc")
    for ci, ni in zip(c_incs, n_incs):
        items = []
        while len(items) < p["w6_lines"]:
            asm.function(items)
        _write(os.path.join(d, ci), render(items, "c"))
        _write(os.path.join(d, ni), render(items, "nasm"))
    head_c = "// one translation unit made of many parts\n    .text\n"
    head_n = "; one translation unit made of many parts\n    .text\n"
    tv, cv, nv, mv = [head_c], [head_c], [head_n], [head_c]
    for ci, ni in zip(c_incs, n_incs):
        tv.append('--include "%s"\n' % ci)
        cv.append('#include "%s"\n' % ci)
        nv.append('%%include "%s"\n' % ni)
        mv.append("m4_include(`%s')m4_dnl\n" % ci)
        if r.random() < 0.2:
            line = "    .p2align %d\n" % r.choice((3, 4, 6))
            for v in (tv, cv, nv, mv):
                v.append(line)
    _write(os.path.join(d, "main.asm"), "".join(tv))
    _write(os.path.join(d, "main.S"), "".join(cv))
    _write(os.path.join(d, "main.nasm"), "".join(nv))
    _write(os.path.join(d, "main.m4"), "".join(mv))


GENERATORS = {"W1": gen_w1, "W2": gen_w2, "W3": gen_w3, "W4": gen_w4,
              "W5": gen_w5, "W6": gen_w6, "W7": gen_w7}


def generate(name, size, d):
    """Writes workload `name` at `size` into the (empty) directory d."""
    rng = random.Random(seeds()[name])
    GENERATORS[name](rng, SIZES[size], d)
