#!/usr/bin/env python3
"""Fails when the programs' objects call something the handheld's libraries do not export.

Reads the symbols the built objects import (nm), not the source, so a call spelled through a
macro, a template or a typedef is seen as the linker sees it. Calls looked up at run time are
read from the string literals of the objects that import GetProcAddress.

    check_imports.py REPO_ROOT BUILD_DIR
"""

import glob
import hashlib
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The product's objects: the bar's and setup's libraries, the shared code, the services.
PRODUCT_TARGETS = ("barlib", "setuplib", "common", "platform")
ENTRY_POINTS = ("Velkis", "Tormalin")
# Files that stand in on the desktop for what the handheld does its own way.
DESKTOP_LAYER = ("platform/desktop/", "platform/emulated/")
# The only libraries the programs load by name; anything else must be linked.
LOADED_BY_NAME = {"cellcore.dll", "note_prj.dll", "gsgetfile.dll", "imgdecmp.dll"}

# Compiler and C++ runtime support that the toolchain links statically on either machine.
RUNTIME_PREFIXES = ("_Z", "__cxa_", "_Unwind_", "__gxx_personality", "__emutls_", "__chkstk",
                    "___chkstk", "__stack_chk", "__gcc_", "__register_frame", "__deregister_frame",
                    ".refptr.", "__main", "__dyn_tls", "_pei386_", "__native_startup")
# atexit: what the compiler registers static destructors with; the handheld's C runtime
# startup code (linked into the program) provides it as well.
RUNTIME_NAMES = {"atexit"}

MACHINES = {0x8664: "x86_64-w64-mingw32", 0x014C: "i686-w64-mingw32"}
STDCALL = re.compile(r"@\d+$")
IDENTIFIER = re.compile(r"^[A-Za-z_][A-Za-z0-9_]{2,}$")


def read_names(path):
    """One name a line, '#' comments and trailing blanks or tabs dropped."""
    names = {}
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip()
            if not line or line.lstrip().startswith("#"):
                continue
            name, _, note = line.partition("#")
            name = name.split("->")[0].strip()
            if name:
                names[name] = note.strip()
    return names


def toolchain_of(objects):
    """The mingw triple, from the machine field of the objects' COFF header."""
    for path in objects:
        with open(path, "rb") as f:
            head = f.read(2)
        if len(head) == 2:
            machine = int.from_bytes(head, "little")
            if machine in MACHINES:
                return MACHINES[machine]
    sys.exit("imports: no x86_64 or i686 COFF object found")


def plain(symbol, triple):
    """The C name of a symbol: no import prefix, and on i686 no underscore or @N."""
    if symbol.startswith("__imp_"):
        symbol = symbol[len("__imp_"):]
    if triple.startswith("i686"):
        if symbol.startswith("_"):
            symbol = symbol[1:]
        symbol = STDCALL.sub("", symbol)
    return symbol


def run(args):
    return subprocess.run(args, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          text=True, errors="replace").stdout


def library_names(triple, build):
    """Every name the toolchain's libraries define, cached per toolchain and library set."""
    libs = sorted(glob.glob(f"/usr/{triple}/lib/lib*.a"))
    if not libs:
        sys.exit(f"imports: no libraries in /usr/{triple}/lib")
    stamp = "v2\n" + "\n".join(f"{p}:{os.path.getsize(p)}:{int(os.path.getmtime(p))}" for p in libs)
    key = hashlib.sha1(stamp.encode()).hexdigest()[:16]
    cache_dirs = [os.path.join(os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")),
                               "velkis-importcheck"), os.path.join(build, "importcheck")]
    for d in cache_dirs:
        cached = os.path.join(d, f"{triple}-{key}.txt")
        if os.path.isfile(cached):
            with open(cached, encoding="utf-8") as f:
                return dict(line.split() for line in f if line.strip())
    names = {}
    out = run([f"{triple}-nm", "-g", "--defined-only", "--format=posix"] + libs)
    for line in out.splitlines():
        parts = line.split()
        if len(parts) >= 2 and not parts[0].endswith(":") and not parts[0].endswith("]:"):
            name = plain(parts[0], triple)
            if name:
                # Data (a GUID, say) is used, not called; "T" wins where both appear.
                kind = "data" if parts[1] in "RDBSG" else "code"
                if names.get(name) != "code":
                    names[name] = kind
    for d in cache_dirs:
        try:
            os.makedirs(d, exist_ok=True)
            tmp = os.path.join(d, f"{triple}-{key}.tmp{os.getpid()}")
            with open(tmp, "w", encoding="utf-8") as f:
                f.write("".join(f"{n} {k}\n" for n, k in sorted(names.items())))
            os.replace(tmp, os.path.join(d, f"{triple}-{key}.txt"))
            break
        except OSError:
            continue
    return names


def target_dirs(build, targets):
    """The object folders of targets, found without following links: the build folder
    also holds the Wine prefix, whose drive links lead to the whole file system."""
    for folder, subdirs, _ in os.walk(build):
        if "dosdevices" in subdirs:
            subdirs[:] = []
            continue
        if os.path.basename(folder) == "CMakeFiles":
            for target in targets:
                if f"{target}.dir" in subdirs:
                    yield os.path.join(folder, f"{target}.dir")
            subdirs[:] = []


def product_objects(build, root):
    """(object, source) pairs of the product; objects whose source is gone are stale."""
    found = []
    for target_dir in target_dirs(build, PRODUCT_TARGETS + ENTRY_POINTS):
        for obj in glob.glob(os.path.join(target_dir, "**", "*.obj"), recursive=True):
            rel = os.path.relpath(obj, build)
            folder, inner = rel.split(os.sep + "CMakeFiles" + os.sep, 1) if not rel.startswith(
                "CMakeFiles" + os.sep) else ("", rel[len("CMakeFiles" + os.sep):])
            inner = inner.split(os.sep, 1)[1]
            source = os.path.normpath(os.path.join(folder, inner[:-len(".obj")]))
            if source.startswith(".."):
                continue
            if os.path.isfile(os.path.join(root, source)):
                found.append((obj, source.replace(os.sep, "/")))
    return sorted(found, key=lambda pair: pair[1])


def undefined_symbols(objects, triple):
    """Each object's undefined symbols, from one nm run over them all."""
    found = {obj: [] for obj in objects}
    out = run([f"{triple}-nm", "-u", "-A", "--format=posix"] + list(objects))
    for line in out.splitlines():
        path, sep, rest = line.partition(": ")
        if sep and path in found and rest.split():
            found[path].append(rest.split()[0])
    return found


def is_runtime(name):
    return name.startswith(RUNTIME_PREFIXES) or name in RUNTIME_NAMES


class Handheld:
    def __init__(self, exports, macros):
        self.exports = exports
        self.macros = macros

    def has(self, name):
        if name in self.exports or name in self.macros:
            return True
        return name.endswith("W") and name[:-1] in self.exports


def system_call(symbol, triple, defined_by_libraries):
    """The called name when the symbol leads into a system library, else None."""
    name = plain(symbol, triple)
    if name.startswith("__mingw_"):
        # mingw's own printf family stands in for the C runtime function of that name
        # (the header's snprintf calls __mingw_vsnprintf): the handheld must have vsnprintf.
        name = name[len("__mingw_"):]
        return None if is_runtime(name) else name
    if is_runtime(name) or symbol.startswith(".refptr."):
        return None
    if symbol.startswith("__imp_") or name in defined_by_libraries:
        return name
    return None


def sections_and_functions(obj, triple):
    """Relocations by section index, and function symbols by section index, from objdump."""
    out = run([f"{triple}-objdump", "-h", "-t", "-r", obj])
    section_names = []
    functions = {}
    relocs = []
    current = None
    seen = {}
    for line in out.splitlines():
        m = re.match(r"^\s*(\d+)\s+(\S+)\s+[0-9a-f]+\s+[0-9a-f]+\s+[0-9a-f]+", line)
        if m and current is None and not line.startswith("["):
            section_names.append(m.group(2))
            continue
        m = re.match(r"^\[\s*\d+\]\(sec\s+(-?\d+)\)\(fl [^)]*\)\(ty\s+([0-9a-f]+)\)\(scl\s+(\d+)\)"
                     r"\s*\(nx \d+\) 0x([0-9a-f]+) (.*)$", line)
        if m:
            sec, ty, value, name = int(m.group(1)), m.group(2), int(m.group(4), 16), m.group(5)
            if sec > 0 and ty == "20":
                functions.setdefault(sec, []).append((value, name))
            continue
        m = re.match(r"^RELOCATION RECORDS FOR \[(.*)\]:", line)
        if m:
            name = m.group(1)
            start = seen.get(name, 0)
            index = next((i for i in range(start, len(section_names)) if section_names[i] == name), None)
            seen[name] = (index + 1) if index is not None else start
            current = (index + 1) if index is not None else -1
            continue
        m = re.match(r"^([0-9a-f]+)\s+\S+\s+(\S+)$", line)
        if m and current is not None:
            relocs.append((current, int(m.group(1), 16), m.group(2)))
    return section_names, functions, relocs


def demangle(names, triple):
    names = sorted(names)
    if not names:
        return {}
    out = run([f"{triple}-c++filt"] + names).splitlines()
    return dict(zip(names, out)) if len(out) == len(names) else {n: n for n in names}


def callers(obj, triple, wanted):
    """For each wanted symbol, the functions of the object that refer to it (raw names)."""
    section_names, functions, relocs = sections_and_functions(obj, triple)
    found = {}
    for sec, offset, symbol in relocs:
        target = symbol[len(".refptr."):] if symbol.startswith(".refptr.") else symbol
        if target not in wanted:
            continue
        section = section_names[sec - 1] if 0 < sec <= len(section_names) else "?"
        candidates = [f for f in functions.get(sec, []) if f[0] <= offset]
        where = max(candidates)[1] if candidates else section
        if ".refptr." in where or section.startswith((".pdata", ".xdata", ".debug")):
            continue
        found.setdefault(target, set()).add(where)
    return found


def named_callers(obj, triple, wanted, called):
    """Readable callers; a header's inline wrapper of the call gives way to its own callers."""
    found = callers(obj, triple, wanted)
    names = demangle({w for ws in found.values() for w in ws}, triple)
    # The header's inline (snprintf over vsnprintf, say) is named by what it calls.
    wrappers = {w for ws in found.values() for w in ws
                if names[w].split("(")[0] in called or "v" + names[w].split("(")[0] in called}
    if wrappers:
        outer = callers(obj, triple, wrappers)
        names.update(demangle({w for ws in outer.values() for w in ws}, triple))
        for symbol, ws in found.items():
            for w in ws & wrappers:
                if outer.get(w):
                    ws.discard(w)
                    ws.update(outer[w])
    return {s: sorted(names.get(w, w) for w in ws) for s, ws in found.items()}


def literals(obj, triple):
    """Narrow and wide string literals of the object's read-only data."""
    out = run([f"{triple}-objdump", "-s", obj])
    data = {}
    section = None
    for line in out.splitlines():
        m = re.match(r"^Contents of section (.*):$", line)
        if m:
            section = m.group(1)
            data[section] = bytearray()
            continue
        m = re.match(r"^ [0-9a-f]+ ((?:[0-9a-f]{2,8} ?){1,4})", line)
        if m and section is not None:
            data[section] += bytes.fromhex(m.group(1).replace(" ", ""))
    strings = set()
    for name, blob in data.items():
        if not name.startswith((".rdata", ".data")):
            continue
        blob = bytes(blob)
        strings.update(s.decode("ascii") for s in re.findall(rb"([\x20-\x7e]{3,})\x00", blob))
        for s in re.findall(rb"((?:[\x20-\x7e]\x00){3,})\x00\x00", blob):
            strings.add(s.decode("utf-16-le"))
    return strings


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    root, build = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    exports_file = os.path.join(root, "..", "shared", "wince-exports.txt")
    if not os.path.isfile(exports_file):
        exports_file = os.path.join(HERE, "wince-exports.txt")
    handheld = Handheld(set(read_names(exports_file)),
                        read_names(os.path.join(HERE, "handheld-macros.txt")))

    objects = product_objects(build, root)
    if not objects:
        sys.exit(f"imports: no product objects under {build}; build first")
    triple = toolchain_of([o for o, _ in objects])
    defined = library_names(triple, build)

    failures = []
    checked = set()
    references = 0
    exempt = 0
    undefined = undefined_symbols([o for o, _ in objects], triple)
    for obj, source in objects:
        symbols = undefined[obj]
        calls = {}
        for symbol in symbols:
            name = system_call(symbol, triple, defined)
            if name:
                calls.setdefault(name, symbol)
        if source.startswith(DESKTOP_LAYER):
            exempt += 1
            continue
        references += len(calls)
        checked.update(calls)
        bad = {symbol: name for name, symbol in calls.items() if not handheld.has(name)}
        problems = []
        if bad:
            where = named_callers(obj, triple, set(bad), set(bad.values()))
            for symbol, name in sorted(bad.items(), key=lambda kv: kv[1]):
                shown = name if plain(symbol, triple) == name else f"{name} (via {plain(symbol, triple)})"
                verb = "uses" if defined.get(name) == "data" else "calls"
                problems.append(f"{verb} {shown} in {', '.join(where.get(symbol, ['?']))}")
        if "GetProcAddress" in calls or "GetProcAddressW" in calls:
            lookup = calls.get("GetProcAddress") or calls.get("GetProcAddressW")
            in_functions = ", ".join(named_callers(obj, triple, {lookup}, set()).get(lookup, ["?"]))
            for text in sorted(literals(obj, triple)):
                if text.lower().endswith(".dll") and os.path.basename(text.replace("\\", "/")).lower() \
                        not in LOADED_BY_NAME:
                    problems.append(f"loads {text} by name (only {', '.join(sorted(LOADED_BY_NAME))} "
                                    f"are loaded at run time; link the rest), near GetProcAddress in {in_functions}")
                elif IDENTIFIER.match(text) and text in defined and not is_runtime(text) \
                        and not handheld.has(text):
                    problems.append(f"looks up {text} by name in {in_functions}")
                    checked.add(text)
        for problem in problems:
            failures.append(f"{source} ({os.path.relpath(obj, build)}): {problem}")

    if failures:
        print("imports: desktop-only calls outside platform/desktop/ (not exported by the handheld):")
        for line in failures:
            print("  " + line)
        print(f"imports: {len(failures)} problem(s) in "
              f"{len({f.split(' (')[0] for f in failures})} file(s); move the call into the desktop "
              f"layer behind a platform/ service, or use the handheld's own call")
        return 1
    print(f"imports: {len(objects)} objects read ({triple}, {exempt} in the desktop layer), "
          f"{len(checked)} distinct system calls checked ({references} object-call pairs): "
          f"all exported by the handheld")
    return 0


if __name__ == "__main__":
    sys.exit(main())
