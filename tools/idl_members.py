#!/usr/bin/env python3
"""Writes the C++ facts of every automation member from the type library's source.

    idl_members.py morvane.idl members.h

src/com/morvane.idl is where each member is described once: its name, dispatch id, kind,
parameters with their types, optional flags and defaults, and its help. The library's
dispatcher answers late-bound calls from those same facts, so this script turns them into
C++ at build time: for each interface a struct with one key per member, the facts in
interface order, the identifiers (GUIDs) of the library, interfaces and classes, and for a
dual interface its vtable and entries that forward each call to the member's handler.

Conventions read from the IDL:
- a propput without a helpstring shares the help of its propget (a help the table checks is the same for both);
- a BSTR parameter's text default is a custom attribute with the id TEXT_DEFAULT below
  (widl refuses a string defaultvalue on a BSTR*); an optional BSTR without one defaults
  to the empty string, an optional number without defaultvalue to 0;
- the propget of an event string (an On... property) names the source methods it raises
  in a custom attribute with the id EVENT_SOURCES below; each class with event strings
  gets their keys (enum Event) and facts (events[]), and a source method that no event
  string raises fails the build.
"""
import re
import sys

TEXT_DEFAULT = "6d6f7276-616e-6500-0000-000000000001"
# On the propget of an event string (an On... property): the source methods it raises, as
# "Interface.Method" separated by blanks, the class's own source interface first.
EVENT_SOURCES = "6d6f7276-616e-6500-0000-000000000002"
MAX_EVENT_SOURCES = 2

VT = {"long": "VT_I4", "BSTR": "VT_BSTR", "VARIANT_BOOL": "VT_BOOL", "VARIANT": "VT_VARIANT",
      "IDispatch*": "VT_DISPATCH", "IUnknown*": "VT_UNKNOWN", "void": "VT_EMPTY"}


def fail(message):
    sys.exit("idl_members.py: " + message)


def split_top(text, sep=","):
    """Splits at `sep` outside brackets, parentheses and strings."""
    parts, depth, quoted, start = [], 0, False, 0
    for i, c in enumerate(text):
        if c == '"':
            quoted = not quoted
        elif not quoted and c in "[(":
            depth += 1
        elif not quoted and c in "])":
            depth -= 1
        elif not quoted and depth == 0 and c == sep:
            parts.append(text[start:i])
            start = i + 1
    parts.append(text[start:])
    return [p.strip() for p in parts if p.strip()]


def attributes(text):
    out = {}
    for a in split_top(text):
        m = re.match(r"(\w+)\s*(?:\((.*)\))?$", a, re.S)
        if not m:
            fail("cannot read attribute " + a)
        out.setdefault(m.group(1), []).append(m.group(2))
    return out


def guid_initializer(text):
    g = text.replace("-", "")
    b = [g[16 + 2 * i:18 + 2 * i] for i in range(8)]
    return "{0x%s, 0x%s, 0x%s, {%s}}" % (g[0:8], g[8:12], g[12:16], ", ".join("0x" + x for x in b))


def c_string(text):
    return 'L"' + text.replace("\\", "\\\\") + '"'


class Param:
    def __init__(self, text):
        m = re.match(r"\[(.*?)\]\s*(.+?)\s*(\**)\s*(\w+)$", text, re.S)
        if not m:
            fail("cannot read parameter " + text)
        attrs = attributes(m.group(1))
        self.name = m.group(4)
        base = m.group(2).replace(" ", "")
        stars = len(m.group(3)) + base.count("*")
        base = base.replace("*", "")
        self.retval = "retval" in attrs
        self.type = base + ("*" if base in ("IDispatch", "IUnknown") else "")
        self.pointer = base + "*" * stars
        self.optional = "optional" in attrs
        self.default_long = (attrs.get("defaultvalue") or ["0"])[0]
        self.default_text = ""
        for custom in attrs.get("custom", []):
            guid, value = split_top(custom)
            if guid.lower() == TEXT_DEFAULT:
                self.default_text = value.strip('"')
        if self.type not in VT:
            fail("type %s of %s is not one the dispatcher binds" % (self.type, self.name))

    def cpp(self):
        if self.type == "BSTR" and self.optional:
            return "{%s, VT_BSTR, true, 0, %s}" % (c_string(self.name), c_string(self.default_text))
        return "{%s, %s, %s, %s, nullptr}" % (c_string(self.name), VT[self.type],
                                              "true" if self.optional else "false", self.default_long)


class Member:
    def __init__(self, attrs, returns, name, params):
        self.attrs = attributes(attrs)
        self.name = name
        self.kind = "Get" if "propget" in self.attrs else "Put" if "propput" in self.attrs else "Method"
        self.id = self.attrs["id"][0]
        self.help = (self.attrs.get("helpstring") or [None])[0]
        self.params = [Param(p) for p in split_top(params)]
        self.result = returns.replace(" ", "")
        retvals = [p for p in self.params if p.retval]
        if retvals:
            self.result = retvals[0].type
            self.params = [p for p in self.params if not p.retval]
        self.retval = retvals[0] if retvals else None
        if self.result == "HRESULT" and not self.retval:
            self.result = "void"
        self.key = name + {"Get": "_get", "Put": "_let", "Method": ""}[self.kind]
        self.raises = []
        for custom in self.attrs.get("custom", []):
            guid, value = split_top(custom)
            if guid.lower() == EVENT_SOURCES:
                self.raises = [tuple(s.split(".")) for s in value.strip('"').split()]


class Interface:
    def __init__(self, attrs, keyword, name, body):
        self.attrs = attributes(attrs)
        self.name = name
        self.dual = "dual" in self.attrs
        self.uuid = self.attrs["uuid"][0]
        self.members = []
        for m in re.finditer(r"\[([^\]]*(?:\([^)]*\)[^\]]*)*)\]\s*([\w\s\*]+?)\s+(\w+)\s*\(([^;]*?)\)\s*;", body, re.S):
            self.members.append(Member(m.group(1), m.group(2), m.group(3), m.group(4)))
        helps = {m.name: m.help for m in self.members if m.kind == "Get"}
        for m in self.members:
            if m.help is None:
                m.help = helps.get(m.name)
            if not m.help:
                fail("%s.%s has no help" % (name, m.name))
            m.help = m.help.strip('"')

    def cpp_name(self):
        return self.name.lstrip("_")


def dual_entry(m):
    """One vtable entry of a dual interface, as widl lays it out."""
    prefix = {"Get": "get_", "Put": "put_", "Method": ""}[m.kind]
    args = ["%s %s" % (p.pointer, p.name) for p in m.params]
    if m.retval:
        args.append("%s %s" % (m.retval.pointer, m.retval.name))
    return prefix + m.name, ", ".join(args)


def event_facts(i, by_name):
    """The event strings of an interface: (property, its source methods' ids)."""
    out = []
    for m in i.members:
        if not m.raises:
            continue
        if m.kind != "Get" or len(m.raises) > MAX_EVENT_SOURCES:
            fail("%s.%s: event sources belong on the propget of an event string, at most %d"
                 % (i.name, m.name, MAX_EVENT_SOURCES))
        ids = []
        for source, method in m.raises:
            found = [s for s in by_name[source].members if s.name == method] if source in by_name else []
            if not found:
                fail("%s.%s raises %s.%s, which the IDL does not have" % (i.name, m.name, source, method))
            ids.append(found[0].id)
        out.append((m.name, ids))
    return out


def check_every_source_method_raised(interfaces):
    """A source method that no event string raises is a missing piece."""
    raised = {(s, meth) for i in interfaces for m in i.members for s, meth in m.raises}
    for i in interfaces:
        if i.name.endswith("Events"):
            for m in i.members:
                if (i.name, m.name) not in raised:
                    fail("%s.%s is raised by no event string (custom %s on an On... propget)"
                         % (i.name, m.name, EVENT_SOURCES))


def emit(library, interfaces, classes):
    by_name = {i.name: i for i in interfaces}
    out = ["// Generated at build time from src/com/morvane.idl by tools/idl_members.py. Do not edit:",
           "// the IDL is where each member is described.",
           "#pragma once", "", "#include \"com/member_facts.h\"", "", "namespace mv {", ""]
    out.append("inline constexpr GUID LIBID_%s = %s;" % (library[0], guid_initializer(library[1])))
    for i in interfaces:
        prefix = "IID_" if i.dual else "DIID_"
        out.append("inline constexpr IID %s%s = %s;" % (prefix, i.name, guid_initializer(i.uuid)))
    for name, uuid, _ in classes:
        out.append("inline constexpr CLSID CLSID_%s = %s;" % (name, guid_initializer(uuid)))
    out += ["", "namespace idl {", ""]
    for i in interfaces:
        out.append("// The members of %s in interface order." % i.name)
        out.append("struct %s {" % i.cpp_name())
        out.append("    enum Key : unsigned {")
        out += ["        %s," % m.key for m in i.members]
        out.append("        kCount")
        out.append("    };")
        for m in i.members:
            if m.params:
                out.append("    static constexpr Param %s_params[] = {%s};" % (m.key, ", ".join(p.cpp() for p in m.params)))
        names = sorted({p.name for m in i.members for p in m.params})
        if names:
            out.append("    // The names of its members' parameters, for code that reads arguments by name.")
            out.append("    struct param {")
            out += ["        static constexpr wchar_t %s[] = %s;" % (n, c_string(n)) for n in names]
            out.append("    };")
        out.append("    static constexpr MemberFacts facts[kCount] = {")
        for m in i.members:
            params = ("%s_params, %d" % (m.key, len(m.params))) if m.params else "nullptr, 0"
            out.append("        {%s, %s, Kind::%s, %s, %s, %s}," % (c_string(m.name), m.id, m.kind, params,
                                                                VT[m.result], c_string(m.help)))
        out.append("    };")
        events = event_facts(i, by_name)
        if events:
            out.append("    // The event strings, one per On... property, indexed by event key.")
            out.append("    enum Event : unsigned {")
            out += ["        %s," % name for name, _ in events]
            out.append("        kEventCount")
            out.append("    };")
            out.append("    static constexpr EventFacts events[kEventCount] = {")
            for name, ids in events:
                ids = ids + ["DISPID_UNKNOWN"] * (MAX_EVENT_SOURCES - len(ids))
                out.append("        {%s_get, %s_let, {%s}}," % (name, name, ", ".join(ids)))
            out.append("    };")
        out.append("};")
        out.append("")
    out.append("}  // namespace idl")
    out.append("")
    for i in [i for i in interfaces if i.dual]:
        out.append("// The dual interface %s as the type library lays it out." % i.name)
        out.append("struct I%sDual : public IDispatch {" % i.cpp_name())
        for m in i.members:
            name, args = dual_entry(m)
            out.append("    virtual HRESULT STDMETHODCALLTYPE %s(%s) = 0;" % (name, args))
        out.append("};")
        out.append("")
        out.append("// Its entries, each forwarded to the member's handler through the member table.")
        out.append("template <typename T>")
        out.append("struct %sDualEntries : public I%sDual {" % (i.cpp_name(), i.cpp_name()))
        for m in i.members:
            name, args = dual_entry(m)
            values = ", ".join("DualArg(%s)" % p.name for p in m.params)
            result = m.retval.name if m.retval else "nullptr"
            out.append("    HRESULT STDMETHODCALLTYPE %s(%s) override {" % (name, args))
            out.append("        return CallDual(*static_cast<T*>(this), idl::%s::%s, {%s}, %s);"
                       % (i.cpp_name(), m.key, values, result))
            out.append("    }")
        out.append("};")
        out.append("")
    out.append("}  // namespace mv")
    return "\n".join(out) + "\n"


def braced(text, opening):
    """The text inside the brace at `opening` up to its matching brace (strings read as
    strings), and the index after that brace."""
    depth, i, quoted = 0, opening, False
    while i < len(text):
        c = text[i]
        if quoted:
            if c == "\\":
                i += 1
            elif c == '"':
                quoted = False
        elif c == '"':
            quoted = True
        elif c == "{":
            depth += 1
        elif c == "}":
            depth -= 1
            if depth == 0:
                return text[opening + 1:i], i + 1
        i += 1
    fail("an unclosed brace in the IDL")


def read_idl(path):
    """The library (name, uuid, attributes), its interfaces and its classes (name, uuid,
    attributes), as the IDL describes them; tools/msi.py writes the MSI's registration
    from them too."""
    text = open(path, encoding="utf-8").read()
    text = re.sub(r"/\*.*?\*/", "", re.sub(r"//[^\n]*", "", text), flags=re.S)
    lib = re.search(r"\[([^\]]*)\]\s*library\s+(\w+)", text, re.S)
    lib_attrs = attributes(lib.group(1))
    library = (lib.group(2), lib_attrs["uuid"][0], lib_attrs)
    interfaces, classes = [], []
    head = re.compile(r"\[((?:[^\[\]]|\[[^\]]*\])*)\]\s*(interface|dispinterface|coclass)\s+(\w+)[^{;]*\{", re.S)
    at = 0
    while True:
        m = head.search(text, at)
        if not m:
            break
        body, at = braced(text, m.end() - 1)
        if m.group(2) == "coclass":
            attrs = attributes(m.group(1))
            classes.append((m.group(3), attrs["uuid"][0], attrs))
        else:
            interfaces.append(Interface(m.group(1), m.group(2), m.group(3), body))
    if not interfaces:
        fail("no interfaces in " + path)
    return library, interfaces, classes


def main():
    if len(sys.argv) != 3:
        fail("usage: idl_members.py morvane.idl members.h")
    library, interfaces, classes = read_idl(sys.argv[1])
    check_every_source_method_raised(interfaces)
    generated = emit(library, interfaces, classes)
    try:
        if open(sys.argv[2], encoding="utf-8").read() == generated:
            return
    except OSError:
        pass
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(generated)


if __name__ == "__main__":
    main()
