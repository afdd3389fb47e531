# Writes bytes.asm, holding every byte value in both orders and runs of NUL
# bytes and carriage returns, and expected, what tolvex must write for it.
import re

source = (bytes(range(256)) + b"\n" + bytes(range(255, -1, -1)) + b"\n"
          + b"\0\0a\0\0 b\0\n\0\n" + b"\r\rc\r\r\nd\re\r")
with open("bytes.asm", "wb") as f:
    f.write(source)
with open("expected", "wb") as f:
    f.write(re.sub(rb"\r\n?", b"\n", source))
