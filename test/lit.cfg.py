# lit configuration for tolvex's end-to-end tests.
import os
import lit.formats

config.name = "tolvex"
config.test_format = lit.formats.ShTest(execute_external=True)
config.suffixes = [".asm", ".test"]
config.excludes = ["Inputs", "CMakeLists.txt"]
config.test_source_root = os.path.dirname(__file__)
# Test outputs go to the build tree (or a scratch folder), never the sources.
config.test_exec_root = lit_config.params.get("exec_root", "/tmp/tolvex-lit")

tolvex = lit_config.params.get("tolvex")
tools = lit_config.params.get("llvm_tools_dir")
if not tolvex or not tools:
    lit_config.fatal("run through ctest, or pass --param tolvex=... --param llvm_tools_dir=...")

config.environment["PATH"] = os.pathsep.join([tools, config.environment.get("PATH", os.environ.get("PATH", ""))])
config.substitutions.append(("%tolvex", tolvex))
config.substitutions.append(("%python", "python3"))
